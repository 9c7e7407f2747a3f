// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace ninebox {

namespace {

// Compiled in by the build (translations/ninebox_<language>.ts).
const QString kCatalogues = QStringLiteral(":/i18n/ninebox_");

// Qt's own texts that its catalogues lack in most of our languages (Qt 6.4 has the file
// dialog's type of a folder in German only): ours fill the gap, and Qt's win where they have
// them. Context, text and comment are Qt's, as it asks for them.
[[maybe_unused]] const struct {
    const char* text;
    const char* comment;
} kQtTexts[] = {QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms")};

struct Catalogues {
    QString language;
    std::unique_ptr<QTranslator> own, qt;
    bool installed = false;
};

Catalogues& loaded() {
    static Catalogues catalogues;
    return catalogues;
}

}  // namespace

// The languages in the order the player prefers them, each tried whole and then less its last
// part ("de-Latn-AT", "de-Latn", "de"); English anywhere before one of ours wins, as gettext
// does. Under the C locale a LANGUAGE list is ignored, as gettext ignores it.
QString catalogueLanguage(const QLocale& locale) {
    if (locale.language() == QLocale::C) return {};
    for (const QString& each : locale.uiLanguages()) {
        QString name = each;
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (name == QLatin1String("C") || name.startsWith(QLatin1String("en_")) ||
            name == QLatin1String("en"))
            return {};
        for (;;) {
            if (QFile::exists(kCatalogues + name + QStringLiteral(".qm"))) return name;
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            if (cut < 0) break;
            name.truncate(cut);
        }
    }
    return {};
}

void loadLanguage(const QLocale& locale) {
    Catalogues& c = loaded();
    c = {};  // a translator destroyed leaves the application object too
    c.language = catalogueLanguage(locale);
    if (c.language.isEmpty()) return;
    c.own = std::make_unique<QTranslator>();
    if (!c.own->load(kCatalogues + c.language + QStringLiteral(".qm"))) {
        c = {};
        return;
    }
    // Qt's own texts (Yes, No, Cancel, the file dialog, the --help headings), where the
    // system has them: qt6-translations-l10n on Debian.
    c.qt = std::make_unique<QTranslator>();
    if (!c.qt->load(QStringLiteral("qtbase_") + c.language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        c.qt.reset();
}

void installLanguage() {
    Catalogues& c = loaded();
    if (c.installed || !c.own || !QCoreApplication::instance()) return;
    QCoreApplication::installTranslator(c.own.get());
    if (c.qt) QCoreApplication::installTranslator(c.qt.get());
    c.installed = true;
}

QString language() { return loaded().language; }

QString translated(const char* context, const char* text) {
    const Catalogues& c = loaded();
    const QString done = c.own ? c.own->translate(context, text) : QString();
    return done.isEmpty() ? QString::fromUtf8(text) : done;
}

}  // namespace ninebox
