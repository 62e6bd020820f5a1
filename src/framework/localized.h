#pragma once
// Localized texts.
//
// English is not a translation: it lives in the program, as the default that every lookup is
// given. Other languages are Qt translation files "quarvel_<language>.qm" whose source texts are
// the keys ("Localization.White"), all in the context "Quarvel". One translation is installed at
// a time, with Qt's own translation for the same language.
#include <vector>

#include "framework/strings.h"

namespace fw {

// The installed translation's text for key, or englishDefault unchanged when nothing is
// installed, the key is missing or its translation is empty. Works, giving the default, also
// before or without the application object. Line breaks come out as CR only: XML, and with it a
// translation file, turns a bare CR into LF, so a translated LF or CR LF is given back as CR.
String _GetLocalizedString(const String& key, const String& englishDefault);

// Installs the translation for the user's UI languages (Qt's system locale: LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) from the folder "translations" beside the executable, or, where there is
// none (an installed program), from share/quarvel/translations of its install prefix. Call it
// once the application object exists. Returns whether a translation was installed.
bool LoadTranslations();

// The same from folder, for the given languages ("de-CH", "de_CH", "de"), most wanted first.
// The first language that has a file wins; a regional language falls back to its base
// language ("de-CH" finds quarvel_de.qm). English, and the C locale, end the search: their
// texts are built in, so a user who puts English first gets English even when a later language
// has a file. Qt's own translation of the language found (qtbase_<language>.qm from Qt's
// translations folder) is installed beside it, so that Qt's texts speak the same language.
// What was installed before is removed first.
bool LoadTranslations(const String& folder, const std::vector<String>& languages);

// Installs the translation file at path in place of any installed before (Qt's own included).
bool LoadTranslationFile(const String& path);

// Removes the installed translations, the program's and Qt's: every text is English again.
void UnloadTranslations();

}  // namespace fw
