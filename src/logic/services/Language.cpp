#include "logic/services/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace {

const QString LanguageKey = QStringLiteral("interface/language");
QString installedLanguage = language::Source;

// The per-user settings file of the program (~/.config/veltora/veltora.ini on Linux).
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("veltora"), QStringLiteral("veltora"));
}

// "uk-UA", "uk_UA" and "uk" name the same language.
QString baseCode(const QString &locale)
{
    return locale.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

namespace language {

QStringList supported()
{
    return {Source, QStringLiteral("uk"), QStringLiteral("en")};
}

ArgumentChoice fromArguments(const QStringList &arguments)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        QString value;
        if (arg == option) {
            if (i + 1 >= arguments.size())
                return {{},
                        QCoreApplication::translate("Language", "После --lang нужен код языка: %1.")
                            .arg(supported().join(QStringLiteral(", ")))};
            value = arguments.at(i + 1);
        } else if (arg.startsWith(option + QLatin1Char('='))) {
            value = arg.mid(option.size() + 1);
        } else {
            continue;
        }
        if (!supported().contains(value))
            return {{},
                    QCoreApplication::translate("Language", "Неизвестный язык «%1» в --lang: допустимо %2.")
                        .arg(value, supported().join(QStringLiteral(", ")))};
        return {value, {}};
    }
    return {};
}

QString fromSystem(const QStringList &uiLanguages, const QString &otherwise)
{
    for (const QString &locale : uiLanguages) {
        const QString code = baseCode(locale);
        if (supported().contains(code))
            return code;
    }
    return otherwise;
}

QString choose(const QString &commandLine, const QString &stored, const QStringList &uiLanguages,
               const QString &otherwise)
{
    if (supported().contains(commandLine))
        return commandLine;
    if (supported().contains(stored))
        return stored;
    return fromSystem(uiLanguages, otherwise);
}

QString storedChoice()
{
    const QString code = userSettings().value(LanguageKey).toString();
    return supported().contains(code) ? code : QString();
}

bool storeChoice(const QString &code)
{
    QSettings settings = userSettings();
    settings.setValue(LanguageKey, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool install(QCoreApplication &app, const QString &code, const QString &dir)
{
    // Qt's buttons and dialogs; a missing file leaves them in English.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    if (code == Source) {
        installedLanguage = Source;
        return true;
    }
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral("veltora_") + code, dir)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    installedLanguage = code;
    return true;
}

QString current()
{
    return installedLanguage;
}

bool inSourceLanguage()
{
    return current() == Source;
}

QString russianCount(qsizetype n, const char *one, const char *few, const char *many)
{
    const qsizetype tens = n % 100;
    const qsizetype units = n % 10;
    const char *word = (tens >= 11 && tens <= 14) ? many : units == 1 ? one : (units >= 2 && units <= 4) ? few : many;
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

} // namespace language
