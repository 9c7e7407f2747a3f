// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/printer.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <algorithm>

#include "disk/atomicfile.h"
#include "game/printpage.h"
#include "window/texts.h"

namespace ninebox {

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool printerDialog) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return choosePdf(parent);
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printerDialog) return printer;
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> choosePdf(QWidget* parent) {
    const QString title = text::translate("Printing", "No printer: print to a PDF file");
    //: The file type in the dialog; keep (*.pdf).
    const QString filter = text::translate("Printing", "PDF (*.pdf)");
    // The dialog would ask about the name as typed, not about the file really written.
    QString path = QFileDialog::getSaveFileName(parent, title, QString(), filter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return nullptr;
    const QFileInfo named(path);
    if (named.suffix().isEmpty()) path += QStringLiteral(".pdf");
    const QFileInfo file(path);
    //: %1 is the PDF file's name.
    const QString question = text::translate("Printing", "\"%1\" already exists. Do you want to replace it?");
    if ((file.exists() || file.isSymLink()) &&
        QMessageBox::question(parent, text::translate("Message", "Sudoku"), question.arg(file.fileName()),
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

void paintPage(QPainter& painter, int dpi, const QFont& face, const PrintPage& page) {
    painter.setWindow(QRectF(PrintPage::left, PrintPage::top, PrintPage::right - PrintPage::left,
                             PrintPage::bottom - PrintPage::top)
                          .toRect());
    // A pen equal to the default never reaches a fresh PDF page: the first lines would be hairlines.
    painter.setPen(Qt::NoPen);
    for (const PrintPage::Line& line : page.lines) {
        QPen pen(Qt::black, deviceDots(line.dots, dpi));
        pen.setCosmetic(true);  // dots of the device, whatever the page units' scale
        painter.setPen(pen);
        painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
    }

    // In device units: under the page units a point size would be scaled twice, unevenly in x and y.
    const QTransform toDevice = painter.combinedTransform();
    painter.resetTransform();
    painter.setPen(Qt::black);
    const auto write = [&](double x, double y, int points, const QString& text) {
        const int pixels = qRound(points * dpi / 72.0);
        if (painter.font().pixelSize() != pixels) {
            QFont font = face;
            font.setPixelSize(pixels);
            painter.setFont(font);
        }
        const QPointF topLeft = toDevice.map(QPointF(x, y));
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + painter.fontMetrics().ascent()), text);
    };
    for (const PrintPage::Text& text : page.texts)
        write(text.x, text.y, text.points, QString::fromStdString(text.text));
    for (const PrintPage::Heading& heading : page.headings)
        write(heading.x, heading.y, heading.points, text::gameHeading(heading.number, heading.level));
}

bool paint(QPagedPaintDevice& device, int dpi, const std::vector<PrintPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont face = painter.font();  // the printer's default face, bold
    face.setBold(true);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        paintPage(painter, dpi, face, pages[i]);
    }
    return painter.end();
}

// Qt's PDF writer reports no failed write. A whole file ends with its trailer, and the
// trailer's startxref is the offset of the cross-reference table: any lost bytes move it.
bool wholePdf(const QByteArray& pdf) {
    static const QRegularExpression trailer(QStringLiteral(R"(startxref\s+(\d+)\s+%%EOF\s*$)"));
    const QRegularExpressionMatch match = trailer.match(QString::fromLatin1(pdf.right(64)));
    return match.hasMatch() && pdf.mid(match.captured(1).toLongLong(), 4) == "xref";
}

}  // namespace

bool printOn(QPrinter& printer, const std::vector<PrintPage>& pages) {
    const QString name = printer.outputFileName();
    if (name.isEmpty() || printer.outputFormat() != QPrinter::PdfFormat)
        return paint(printer, printer.resolution(), pages);
    // In memory, taking the file's place only when whole, as a save does.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(printer.creator());
        writer.setTitle(printer.docName());
        if (!paint(writer, writer.resolution(), pages)) return false;
    }
    const QByteArray& bytes = pdf.data();
    return wholePdf(bytes) &&
           replaceFile(QFile::encodeName(name).toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace ninebox
