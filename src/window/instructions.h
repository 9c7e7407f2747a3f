// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instructions page "readme.htm", or the one in the player's language ("readme.de.htm"),
// shown over the whole board area and kept at its size. Escape, F1 and Ctrl+Q ask to leave it.
// While a screen reader listens it has a keyboard caret, so the arrows read it line by line.

#include <QStringList>
#include <QTextBrowser>

namespace ninebox {

class Instructions final : public QTextBrowser {
    Q_OBJECT

public:
    // area: the widget to cover, which becomes the parent. folders: where to look for the
    // page, first match wins.
    explicit Instructions(QWidget* area, QStringList folders = pageFolders());

    // Covers the area, shows the page with the keyboard and reads the file again, so an edited
    // page shows.
    void showPage();

    // Beside the program, then the installed data folders.
    static QStringList pageFolders();

Q_SIGNALS:
    void leaveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList folders_;
};

}  // namespace ninebox
