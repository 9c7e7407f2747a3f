#include "files/printer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "files/printpage.h"

namespace ninebox {

std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("No printer: print to a PDF file"),
                                                QString(), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return nullptr;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    return pdfPrinter(path);
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

double deviceDots(int dots, int resolution) { return dots * std::max(1.0, resolution / 300.0); }

bool printOn(QPrinter& printer, const PrintPage& page) {
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

}  // namespace ninebox
