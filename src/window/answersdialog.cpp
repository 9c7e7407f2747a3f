#include "window/answersdialog.h"

#include <QLabel>

#include "window/dialogkit.h"

namespace ninebox {

AnswersDialog::AnswersDialog(QWidget* parent) : QDialog(parent, kDialogFrame) {
    setObjectName(QStringLiteral("AnswersDialog"));
    // No title text; with an empty title the window system would show the program's name.
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(twips(4680), twips(3030));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    auto* label1 = place(new QLabel(QStringLiteral("Please Choose"), this), "Label1", 1200, 120, 2895, 495);
    QPalette yellow = label1->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label1->setPalette(yellow);
    label1->setFont(QFont(QStringLiteral("MS Sans Serif"), 18));
    fitWidth(label1);

    struct Choice {
        const char* name;
        QString caption;
        QRect area;
    };
    const Choice choices[] = {
        {"Command1", QStringLiteral("No answers available"), twipRect(960, 720, 3135, 495)},
        {"Command2", QStringLiteral("Create answers from Worked puzzle"), twipRect(960, 1440, 3135, 555)},
        {"Command3", QStringLiteral("Create Answers from Existing Answers"), twipRect(960, 2280, 3135, 495)},
    };
    std::int16_t number = 1;
    for (const Choice& each : choices) {
        auto* button = new WrapButton(each.caption, this);
        button->setObjectName(QLatin1String(each.name));
        button->setGeometry(each.area);
        connect(button, &QPushButton::clicked, this, [this, number] {
            choice_ = number;
            hide();
        });
        ++number;
    }
}

std::optional<std::int16_t> AnswersDialog::choose() {
    choice_.reset();
    exec();
    return choice_;
}

}  // namespace ninebox
