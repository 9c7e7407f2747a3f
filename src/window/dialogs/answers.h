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

    std::optional<AnswersChoice> choose();  // modal; none when closed without a button

private:
    std::optional<AnswersChoice> choice_;
};

}  // namespace ninebox
