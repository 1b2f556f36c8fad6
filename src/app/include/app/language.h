#pragma once
// The language the windows and the commands speak: Italian, the language the
// program is written in, or English.  What is stored or exchanged (the
// report, dati.mdb, the CSV files, the columns of `verify --csv`) is the same
// in either.

#include <QString>

#include <optional>

namespace zt {

enum class Language { Italian, English };

// "it" or "en".
QString languageCode(Language language);
// The language of a code ("it", "en"), or none.
std::optional<Language> languageNamed(const QString& code);

// The system's: Italian when the first language of the system's locale for
// the interface is Italian, or when it is the plain C or POSIX locale, which
// names none; English for any other language.
Language systemLanguage();

// The language of a start: the option given (--lang), else the one chosen in
// the settings file of the working folder, else the system's.
Language chosenLanguage(std::optional<Language> option);

// From now on the program speaks `language`: its own texts, Qt's (the
// buttons of its dialogs, the menus of its text boxes) and the numbers shown.
// Loaded at once; installed into the application when there is one, or by
// installLanguage() once it is made.
void useLanguage(Language language);
void installLanguage();
// The language in use (Italian until useLanguage is called).
Language currentLanguage();

// A text of the program in the language in use, also before the application
// exists (lupdate finds the text by QT_TRANSLATE_NOOP(context, text)).
QString earlyText(const char* context, const char* text);

} // namespace zt
