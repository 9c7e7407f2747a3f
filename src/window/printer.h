// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a PrintPage on paper, or into a PDF file where there is no printer.

#include <QString>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

namespace ninebox {

struct PrintPage;

// The system's default printer, or the one the player picks in Qt's printer dialog (empty when
// it is cancelled); where there is none, choosePdf().
std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, bool printerDialog);
// A PDF file that the player names in a save dialog; ".pdf" is added to a name without a
// suffix, and the player is asked before that file is replaced. Empty when the player cancels
// the dialog or keeps the file.
std::unique_ptr<QPrinter> choosePdf(QWidget* parent);
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// Draws the pages and ends the document, which sends it to the printer; an empty page still
// makes a document. A PDF file is replaced only by a whole new one. False when the pages could
// not be printed or the file not written.
bool printOn(QPrinter& printer, const std::vector<PrintPage>& pages);

// The page's pen widths are dots of a 300 dpi printer. Taken literally at 1200 dpi, 3 dots
// are 0.06 mm and the box borders vanish; scaled, they keep 0.25 mm and the 3:1 ratio.
// Never thinner than the dots asked for.
double deviceDots(int dots, int resolution);

}  // namespace ninebox
