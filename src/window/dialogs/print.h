// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Printer" dialog: what to print. Hidden, not destroyed, so the ticks last for the run.

#include <QDialog>

#include "game/messages.h"

class QCheckBox;

namespace ninebox {

class PrintDialog final : public QDialog {
    Q_OBJECT

public:
    explicit PrintDialog(QWidget* parent);

    // Shows the dialog modally. Closing it is "Cancel": a player who closes a print dialog
    // expects nothing to print, and the ticks stay as they were set.
    PrintChoice choose();

private:
    QCheckBox* puzzleBox_;
    QCheckBox* answersBox_;
    bool print_ = false;
};

}  // namespace ninebox
