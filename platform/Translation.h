#pragma once

#include <string>
#include <vector>

// The texts the game shows pass through Translate: in the player's language when a catalogue for
// it was loaded, otherwise (and always in the C locale or an English one) the English text itself,
// the very same pointer. Data (names, file names) never passes through here.
const char* Translate(const char* text);

// _() translates a text where it is shown; N_() marks one for the catalogue that is translated
// later (a table's texts). The build's message extraction looks for both. The toolkit's layer
// keeps the toolkit's own macros, which its headers use.
#if !defined(TOBRIX_TOOLKIT_LAYER) && !defined(_)
#define N_(text) text
#define _(text) Translate(text)
#endif

// The languages the desktop asks for, most wanted first, each with its less specific forms after
// it ("de_AT" then "de"): LANGUAGE's list, then the locale of LC_ALL, LC_MESSAGES or LANG (the
// first one set), codesets dropped. Empty when the locale is C or POSIX, and from the first
// English entry on, since English needs no catalogue. getValue reads one variable (nullptr when
// it is not set).
std::vector<std::string> PreferredLanguages(const char* (*getValue)(const char* name));

// Loads the domain's catalogue in the first preferred language that one of the folders holds
// (FOLDER/LANGUAGE/LC_MESSAGES/DOMAIN.mo) and returns that language; "" (and English texts) when
// none does. Replaces any catalogue loaded before.
std::string LoadTranslations(const std::vector<std::string>& languages, const char* domain,
                             const std::vector<std::string>& folders);

// The folders the game's catalogues are looked for in: beside the program (its build folder),
// and the share/locale of the prefix it is installed under.
std::vector<std::string> TranslationFolders();

// The language whose catalogue is loaded; "" for English.
const std::string& TranslationLanguage();
