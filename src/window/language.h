// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the first of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, as QLocale::system() reads them) that the program carries a catalogue for, with Qt's
// own catalogue for its dialogs and buttons. English first, the C locale or no language of
// ours load nothing, so such a start does no more than before.

#include <QLocale>
#include <QString>

namespace ninebox {

// The language of the catalogue for this locale ("de", "pt_BR", ...); empty for English.
QString catalogueLanguage(const QLocale& locale);

// Loads the catalogues of the locale's language in place of any loaded before; needs no
// application object. installLanguage() hands them to the application object once there is one.
void loadLanguage(const QLocale& locale = QLocale::system());
void installLanguage();

// The language loaded: "de", "pt_BR", ...; empty for English.
QString language();

// One of our texts in that language, also while there is no application object.
QString translated(const char* context, const char* text);

}  // namespace ninebox
