#pragma once
// The languages the program speaks, which one the user gets, and loading its translations.
// Only the words change with the language: times, dates and numbers keep following the
// user's locale, and files, JSON and exit codes never change.

#include <QList>
#include <QString>

#include <functional>

class QCoreApplication;

namespace korvelt {

// The settings key of the language the user chose: a language code, or none for the system's.
inline constexpr const char *LanguageKey = "Language";

struct ProgramLanguage {
    QString Code; // "en", "de", ...
    QString Name; // the language's name in itself: "Deutsch", "Français", ...
};

// English first, then the translations in the order the program offers them.
QList<ProgramLanguage> ProgramLanguages();

// The language of a code or locale name ("de", "de_AT.UTF-8", "pt-BR"), when the program
// speaks it; empty otherwise.
QString SpokenLanguage(const QString &localeName);

// The language the environment asks for, as gettext reads it: the locale of LC_ALL, else
// LC_MESSAGES, else LANG; a "C" or "POSIX" locale (or none) means English and nothing else;
// otherwise the first language of LANGUAGE's list that the program speaks, then the locale's
// own language. English where none of them is spoken. `variable` reads the environment.
QString EnvironmentLanguage(const std::function<QString(const char *)> &variable);

// The user's language: on Windows the display language, elsewhere the environment's.
QString SystemLanguage();

// The language to use for a stored choice: a spoken code as it is, anything else (empty,
// "system", a language no longer offered) the system's.
QString ChosenLanguage(const QString &setting);

// Loads the program's translation of `code` and Qt's own (Yes, No, the file and print
// dialogs) into the application; English needs none. False when the program's translation
// could not be loaded (the program then speaks English).
bool InstallTranslations(QCoreApplication &application, const QString &code);

} // namespace korvelt
