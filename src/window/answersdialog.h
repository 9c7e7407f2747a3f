#pragma once
// The answers dialog of "Save game": where the answers file's content comes from.

#include <QDialog>
#include <cstdint>
#include <optional>

namespace ninebox {

class AnswersDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AnswersDialog(QWidget* parent);

    // Shows the dialog modally: 1 no answers, 2 the worked puzzle, 3 the existing answers;
    // none when it was closed without a button.
    std::optional<std::int16_t> choose();

private:
    std::optional<std::int16_t> choice_;
};

}  // namespace ninebox
