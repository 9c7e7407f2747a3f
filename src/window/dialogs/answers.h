// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answers dialog of "Save game": where the answers file's content comes from.

#include <QDialog>
#include <optional>

#include "game/messages.h"

namespace ninebox {

class AnswersDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AnswersDialog(QWidget* parent);

    // Shows the dialog modally: the choice of its button, none when it was closed without one.
    std::optional<AnswersChoice> choose();

private:
    std::optional<AnswersChoice> choice_;
};

}  // namespace ninebox
