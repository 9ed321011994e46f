#pragma once
// The language of the user interface. The program is written in Russian; Ukrainian and English
// translations ship with it. The language is, in this order: the one named on the command line
// (--lang), the one the user chose in the menu (remembered per user, not in the working
// directory), the first of the system's preferred languages that the program has; else Russian.
// The files of the working directory are the same in every language.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {

// The language the texts are written in; it needs no translation.
inline const QString Source = QStringLiteral("ru");

// The codes the program can be shown in: "ru", "uk", "en".
QStringList supported();

// "--lang CODE" or "--lang=CODE" among the program's arguments.
struct ArgumentChoice
{
    QString code;  // empty when the option is absent or wrong
    QString error; // a message for the user when the option is wrong
};
ArgumentChoice fromArguments(const QStringList &arguments);

// The first of the system's preferred languages ("uk-UA", "en_GB", ...) that the program has;
// `otherwise` (Russian unless given) when it has none of them.
QString fromSystem(const QStringList &uiLanguages, const QString &otherwise = Source);

// The command line wins, then the stored choice, then the system's; unsupported codes are skipped.
QString choose(const QString &commandLine, const QString &stored, const QStringList &uiLanguages,
               const QString &otherwise = Source);

// The user's choice from the menu; empty when none was made or the stored value is not a language.
QString storedChoice();
// Remembers the choice; false when the user's settings cannot be written.
bool storeChoice(const QString &code);

// Loads the program's translation from `dir` and Qt's own (buttons and standard dialogs) from Qt's
// translations folder, and installs them into the application. Russian needs only Qt's. False when
// the program's translation is missing: the texts then stay Russian.
bool install(QCoreApplication &app, const QString &code, const QString &dir);

// The language that install() last put in place; Russian before any.
QString current();

// Whether the texts are shown as they are written, in Russian (no translation installed).
bool inSourceLanguage();

// A count with the Russian word for it: "301 конверт", "2 конверта", "5 конвертов" (`one`, `few`,
// `many` in UTF-8).
QString russianCount(qsizetype n, const char *one, const char *few, const char *many);

} // namespace language
