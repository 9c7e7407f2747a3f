// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog of "Print several games": how many, of which level, how many to a page, and
// whether their answers follow. Hidden, not destroyed, so the choices last for the run.

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

    // Shows the dialog modally. Closing it is "Cancel".
    BookletChoice choose();

private:
    QSpinBox* count_;
    QComboBox* level_;
    QComboBox* perPage_;
    QCheckBox* answers_;
    bool print_ = false;
};

}  // namespace ninebox
