// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the first of the system's for which we carry a catalogue, with Qt's
// own for its dialogs. English first, the C locale or no language of ours load nothing.

#include <QLocale>
#include <QString>

namespace ninebox {

// The language of the catalogue for this locale ("de", "pt_BR", ...); empty for English.
QString catalogueLanguage(const QLocale& locale);

// Replaces any loaded before, with no application object; installLanguage() hands them over.
void loadLanguage(const QLocale& locale = QLocale::system());
void installLanguage();

QString language();  // the one loaded, as catalogueLanguage gives it

QString translated(const char* context, const char* text);  // also before the application object

}  // namespace ninebox
