// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace ninebox {

namespace {

// :/i18n/ninebox_<language>.qm, compiled from translations/ninebox_<language>.ts.
const QString kName = QStringLiteral("ninebox"), kPrefix = QStringLiteral("_"),
              kFolder = QStringLiteral(":/i18n");

// Qt's own texts, context and comment, that its catalogues mostly lack; Qt's win where they have them.
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

// None for English; as in gettext, English before ours wins and the C locale ignores LANGUAGE.
std::unique_ptr<QTranslator> ownCatalogue(const QLocale& locale) {
    auto catalogue = std::make_unique<QTranslator>();
    if (locale.language() == QLocale::C || !catalogue->load(locale, kName, kPrefix, kFolder)) return nullptr;
    const QStringList languages = locale.uiLanguages();
    const auto first = [&](auto is) { return std::find_if(languages.begin(), languages.end(), is); };
    const auto english =
        first([](const QString& l) { return l == u"en" || l.startsWith(u"en-") || l == u"C"; });
    const auto ours =
        first([&](QString l) { return l.replace(u'-', u'_').startsWith(catalogue->language()); });
    return english < ours ? nullptr : std::move(catalogue);
}

}  // namespace

QString catalogueLanguage(const QLocale& locale) {
    const auto catalogue = ownCatalogue(locale);
    return catalogue ? catalogue->language() : QString();
}

void loadLanguage(const QLocale& locale) {
    Catalogues& c = loaded();
    c = {};  // a translator destroyed leaves the application object too
    c.own = ownCatalogue(locale);
    if (!c.own) return;
    c.language = c.own->language();
    // Qt's own texts (Yes, No, the file dialog, --help's headings): qt6-translations-l10n on Debian.
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
