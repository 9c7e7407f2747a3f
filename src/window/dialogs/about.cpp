// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/about.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QPainter>
#include <utility>
#include <vector>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

namespace {

// The lines painted into the picture (tools/make_about_picture.py), where they stand in it: the
// left end, the baseline and the font's size in pixels. A screen reader reads them in the
// player's language; the picture keeps the English.
struct PictureLine {
    const char* text;
    int left, baseline, size;
};
const PictureLine kPictureLines[] = {
    {"Ninebox", 300, 104, 92},
    //: The About picture's lines, read to a screen reader's user (the picture keeps the English).
    {QT_TRANSLATE_NOOP("AboutDialog", "A Sudoku game"), 304, 142, 30},
    {QT_TRANSLATE_NOOP("AboutDialog", "Fill every row, column and box"), 304, 194, 19},
    {QT_TRANSLATE_NOOP("AboutDialog", "with the numbers one to nine."), 304, 218, 19},
    {QT_TRANSLATE_NOOP("AboutDialog", "by the Ninebox developers"), 304, 256, 22},
    {QT_TRANSLATE_NOOP("AboutDialog", "Free software under the GNU GPL, version 3 or later. Made with Qt 6."),
     40, 302, 13},
    {QT_TRANSLATE_NOOP("AboutDialog",
                       "Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1."),
     40, 320, 13},
    {QT_TRANSLATE_NOOP("AboutDialog", "Board text in Liberation Sans Narrow (Liberation Fonts licence)."), 40,
     338, 13},
};

class Line final : public QAccessibleInterface {
public:
    Line(QWidget* dialog, QAccessibleInterface* parent, const PictureLine& line)
        : dialog_(dialog), parent_(parent), line_(line) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return dialog_->windowHandle(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return &line_ == kPictureLines ? QString::fromLatin1(line_.text)  // the name stays
                                       : text::translate("AboutDialog", line_.text);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !dialog_->isVisible();
        return s;
    }
    QRect rect() const override {
        const QRect line(line_.left, line_.baseline - line_.size, dialog_->width() - line_.left,
                         line_.size * 5 / 4);
        return QRect(dialog_->mapToGlobal(line.topLeft()), line.size());
    }

private:
    QWidget* dialog_;
    QAccessibleInterface* parent_;
    const PictureLine& line_;
};

// The window with the picture's lines after its own children (the "X").
class AboutAccessible final : public QAccessibleWidget {
public:
    explicit AboutAccessible(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {
        for (const PictureLine& line : kPictureLines) {
            lines_.push_back(new Line(dialog, this, line));
            QAccessible::registerAccessibleInterface(lines_.back());
        }
    }
    ~AboutAccessible() override {
        for (QAccessibleInterface* line : lines_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
    }
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(lines_.size());
    }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) return QAccessibleWidget::child(index);
        return index - own < static_cast<int>(lines_.size()) ? lines_[static_cast<std::size_t>(index - own)]
                                                             : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i] == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    std::vector<QAccessibleInterface*> lines_;
};

QAccessibleInterface* makeAbout(const QString& className, QObject* object) {
    if (className != QLatin1String("ninebox::AboutDialog")) return nullptr;
    return new AboutAccessible(static_cast<QWidget*>(object));
}

}  // namespace

AboutDialog::AboutDialog(QImage picture, QWidget* parent)
    : QDialog(parent, kDialogFrame), picture_(std::move(picture)) {
    static const bool installed = (QAccessible::installFactory(makeAbout), true);
    (void)installed;
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(text::translate("AboutDialog", "About this Program...."));
    setFixedSize(twips(11400), twips(5460));

    auto* closeButton =
        place(new QPushButton(QStringLiteral("X"), this), "closeButton", 10680, 120, 495, 375);
    //: The tooltip of the About window's X button.
    closeButton->setToolTip(text::translate("AboutDialog", "close window"));
    closeButton->setAccessibleName(closeButton->toolTip());
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

// At its natural size from the top-left corner; the window cuts off the rest.
void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

void AboutDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace ninebox
