// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/printer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "game/printpage.h"

namespace ninebox {

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return choosePdf(parent);
}

std::unique_ptr<QPrinter> choosePdf(QWidget* parent) {
    // The dialog would ask about the name as typed, not about the file really written.
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("No printer: print to a PDF file"),
                                                QString(), QStringLiteral("PDF (*.pdf)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return nullptr;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path) &&
        QMessageBox::question(parent, QStringLiteral("Sudoku"),
                              QStringLiteral("\"%1\" already exists. Do you want to replace it?")
                                  .arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return nullptr;
    return pdfPrinter(path);
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

double deviceDots(int dots, int resolution) { return dots * std::max(1.0, resolution / 300.0); }

namespace {

bool paint(QPrinter& printer, const PrintPage& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setWindow(QRectF(PrintPage::left, PrintPage::top, PrintPage::right - PrintPage::left,
                             PrintPage::bottom - PrintPage::top)
                          .toRect());
    // A pen equal to the default one never reaches a fresh PDF page, and the first lines
    // would come out as hairlines: start from no pen.
    painter.setPen(Qt::NoPen);
    const int dpi = printer.resolution();
    for (const PrintPage::Line& line : page.lines) {
        QPen pen(Qt::black, deviceDots(line.dots, dpi));
        pen.setCosmetic(true);  // dots of the device, whatever the page units' scale
        painter.setPen(pen);
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }

    // Text goes in device units: a point size under the page units would be scaled twice,
    // and the page units' scale differs in x and y, which would stretch the digits.
    const QTransform toDevice = painter.combinedTransform();
    painter.resetTransform();
    QFont font = painter.font();  // the printer's default face
    font.setBold(true);
    font.setPixelSize(qRound(PrintPage::pointSize * dpi / 72.0));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const qreal ascent = painter.fontMetrics().ascent();
    for (const PrintPage::Text& text : page.texts) {
        const QPointF topLeft = toDevice.map(QPointF(text.x, text.y));
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + ascent), QString::fromStdString(text.text));
    }
    return painter.end();
}

// A new file beside the target under a short name of its own, with the permissions the target
// has, or else those a new file gets. -1 when none can be made.
int createBeside(const QString& target, QString& name) {
    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QStringLiteral("%1/.print-%2.pdf")
                   .arg(QFileInfo(target).absolutePath(),
                        QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd =
            ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 && exists) ::fchmod(fd, old.st_mode & 07777);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Qt's PDF writer reports no failed write. A whole file ends with its trailer, and the
// trailer's startxref is the offset of the cross-reference table: any lost bytes move it.
bool wholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - 64))) return false;
    static const QRegularExpression trailer(QStringLiteral(R"(startxref\s+(\d+)\s+%%EOF\s*$)"));
    const QRegularExpressionMatch match = trailer.match(QString::fromLatin1(file.read(64)));
    return match.hasMatch() && file.seek(match.captured(1).toLongLong()) && file.read(4) == "xref";
}

}  // namespace

bool printOn(QPrinter& printer, const PrintPage& page) {
    const QString name = printer.outputFileName();
    if (name.isEmpty() || printer.outputFormat() != QPrinter::PdfFormat) return paint(printer, page);
    // The page is written beside the file and takes its place only when whole, so a failure
    // (a full disk) leaves an earlier file as it was. A link is written through, not replaced.
    const QFileInfo info(name);
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : name;
    QString temp;
    const int fd = createBeside(target, temp);
    if (fd < 0) return false;
    printer.setOutputFileName(temp);
    bool done = paint(printer, page) && wholePdf(temp) && ::fsync(fd) == 0;
    done = ::close(fd) == 0 && done;
    printer.setOutputFileName(name);
    done =
        done && std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
    if (!done) {
        QFile::remove(temp);
        return false;
    }
    // The new name reaches the disk too.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

}  // namespace ninebox
