// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Print several games"; hidden, not destroyed, so the choices last for the run.

#include <QDialog>

#include "game/messages.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace ninebox {

class BookletDialog final : public QDialog {
    Q_OBJECT

public:
    explicit BookletDialog(QWidget* parent);

    BookletChoice choose();  // modal; closing it is "Cancel"

private:
    QSpinBox* count_;
    QComboBox* level_;
    QComboBox* perPage_;
    QCheckBox* answers_;
    bool print_ = false;
};

}  // namespace ninebox
