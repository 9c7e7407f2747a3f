// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/instructions.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>

#include "window/language.h"
#include "window/texts.h"

namespace ninebox {

namespace {
const QString kPage = QStringLiteral("readme.htm");
}

Instructions::Instructions(QWidget* area, QStringList folders)
    : QTextBrowser(area), folders_(std::move(folders)) {
    setObjectName(QStringLiteral("instructionsPage"));
    setAccessibleName(text::instructionsName());
    hide();
    area->installEventFilter(this);
}

QStringList Instructions::pageFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{program, QDir::cleanPath(program + QStringLiteral("/../share/ninebox"))};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(data + QStringLiteral("/ninebox"));
    return folders;
}

void Instructions::showPage() {
    // The caret shows only to those who need it.
    setTextInteractionFlags(QAccessible::isActive()
                                ? Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard
                                : Qt::TextBrowserInteraction);
    setGeometry(parentWidget()->rect());
    show();
    raise();
    setFocus();  // before the text comes, so that a screen reader says the page's name first
    // The page in the player's language where it is there (readme.de.htm), else the English one.
    QStringList names{kPage};
    if (!language().isEmpty()) names.prepend(QStringLiteral("readme.") + language() + QStringLiteral(".htm"));
    for (const QString& folder : folders_)
        for (const QString& name : names) {
            const QFileInfo page(QDir(folder), name);
            if (!page.isFile()) continue;
            const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
            // setSource ignores the address it already shows; reload reads the file again.
            if (source() == url) reload();
            else setSource(url);
            return;
        }
    QString places;
    for (const QString& folder : folders_)
        places += QStringLiteral("<li>") + folder.toHtmlEscaped() + QStringLiteral("</li>");
    setSource(QUrl());
    const QString heading = text::translate("Instructions", "Instructions not found");
    //: %1 is the page's file name; the folders follow, one a line.
    const QString lookedFor = text::translate("Instructions", "The page %1 was looked for in:").arg(kPage);
    setHtml(QStringLiteral("<h2>") + heading.toHtmlEscaped() + QStringLiteral("</h2><p>") +
            lookedFor.toHtmlEscaped() + QStringLiteral("</p><ul>") + places + QStringLiteral("</ul>"));
}

// A key the page has no use for would go on to its parent, the board hidden behind it.
void Instructions::keyPressEvent(QKeyEvent* event) {
    const QKeySequence keys(event->keyCombination());
    if (keys == QKeySequence(Qt::Key_Escape) || keys == QKeySequence(Qt::Key_F1) ||
        keys == QKeySequence(Qt::CTRL | Qt::Key_Q))
        Q_EMIT leaveRequested();
    else QTextBrowser::keyPressEvent(event);
    event->accept();
}

bool Instructions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QTextBrowser::eventFilter(watched, event);
}

}  // namespace ninebox
