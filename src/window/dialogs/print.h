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

    PrintChoice choose();  // modal; closing it is "Cancel": nothing printed, the ticks kept

private:
    QCheckBox* puzzleBox_;
    QCheckBox* answersBox_;
    bool print_ = false;
};

}  // namespace ninebox
