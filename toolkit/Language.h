// The language the program speaks: its translations, Qt's own, and the
// decimal separator of the numbers a person reads.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace toolkit {

enum class Language
{
    English, // the design's own texts
    Greek,
    Pseudo, // every text longer and accented, to prove the layouts and the marking
};

// The language a --lang value names: "en", "el" or "pseudo".
std::optional<Language> languageNamed(const QString &name);

// The language the desktop's locale variables ask for.
Language desktopLanguage();

// Takes "--lang NAME" or "--lang=NAME" out of the arguments. Returns the
// language named, the desktop's when there is none, or nullopt with `problem`
// set to a one-line reason when the value names no language.
std::optional<Language> takeLanguage(QStringList &arguments, QString &problem);

// Speaks the language from here on: installs its translations and Qt's own on
// the application (replacing those of an earlier call) and sets the decimal
// separator. Call once the application object exists, before any window.
void useLanguage(Language language);
Language languageInUse();

// A text in the language in use, as QCoreApplication::translate gives it;
// before a language is in use (the lines a start prints when it cannot go
// on, also while the application object is being made), in the desktop's.
QString translate(const char *context, const char *text);

// A number's text ("25.00", "5.00E-01") as a person reads it in the language
// in use: a decimal comma in Greek.
QString forPerson(QString number);

} // namespace toolkit
