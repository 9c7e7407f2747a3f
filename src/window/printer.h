// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

namespace ninebox {

struct PrintPage;

// The default printer, or the one picked in Qt's dialog (null if cancelled); else choosePdf().
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool printerDialog);
// Named in a save dialog (".pdf" added to a bare name), replacing a file only if the player agrees.
std::unique_ptr<QPrinter> choosePdf(QWidget* parent);
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// Ending the document sends it, an empty page too; a PDF file is replaced only by a whole one.
bool printOn(QPrinter& printer, const std::vector<PrintPage>& pages);

// The page's pen widths are dots at 300 dpi: scaled, box borders keep 0.25 mm and the 3:1
// ratio at 1200 dpi, where 3 dots would vanish. Never fewer dots than asked for.
double deviceDots(int dots, int resolution);

}  // namespace ninebox
