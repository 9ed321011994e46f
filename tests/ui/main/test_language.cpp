// The language of the windows: how it is chosen (command line, the user's stored choice, the
// system's languages), that the compiled translations turn the main window into Ukrainian and
// English, that the menu remembers a choice per user outside the working directory, and that the
// program refuses an unknown --lang.

#include "logic/services/Language.h"
#include "support/TestSupport.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTranslator>

using namespace testing;

namespace {

// Every translator the test installed is taken out again, so that each case starts in Russian.
void removeTranslations()
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    language::install(*qApp, language::Source, {}); // back to the source language
}

QStringList menuTitles(MainWindow *main)
{
    QStringList titles;
    for (QAction *a : main->menuBar()->actions())
        titles.append(a->text().remove(QLatin1Char('&')));
    return titles;
}

// The names and bytes of every file below a folder.
QMap<QString, QByteArray> folderContents(const QString &path)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        contents.insert(QDir(path).relativeFilePath(file), f.readAll());
    }
    return contents;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        // The user's settings go to a folder of the test's own.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

    void cleanup() { removeTranslations(); }

    void choice_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        const QStringList ukrainian{QStringLiteral("uk-UA"), QStringLiteral("ru-RU")};
        QTest::newRow("system, with region") << QString() << QString() << ukrainian << "uk";
        QTest::newRow("system, underscore") << QString() << QString() << QStringList{QStringLiteral("en_GB")} << "en";
        QTest::newRow("first the program has")
            << QString() << QString() << QStringList{QStringLiteral("de-DE"), QStringLiteral("EN-us")} << "en";
        QTest::newRow("none it has: Russian")
            << QString() << QString() << QStringList{QStringLiteral("de-DE"), QStringLiteral("fr")} << "ru";
        QTest::newRow("no system languages") << QString() << QString() << QStringList() << "ru";
        QTest::newRow("stored beats system") << QString() << "en" << ukrainian << "en";
        QTest::newRow("command line beats all") << "ru"
                                                << "en" << ukrainian << "ru";
        QTest::newRow("unknown stored skipped") << QString() << "de" << ukrainian << "uk";
    }
    void choice()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, stored);
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        QCOMPARE(language::choose(commandLine, stored, system), chosen);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("refused");
        QTest::newRow("absent") << QStringList{QStringLiteral("veltora")} << QString() << false;
        QTest::newRow("separate") << QStringList{QStringLiteral("veltora"), QStringLiteral("--lang"),
                                                 QStringLiteral("uk")}
                                  << "uk" << false;
        QTest::newRow("joined") << QStringList{QStringLiteral("veltora"), QStringLiteral("--lang=en")} << "en" << false;
        QTest::newRow("no code") << QStringList{QStringLiteral("veltora"), QStringLiteral("--lang")} << QString()
                                 << true;
        QTest::newRow("unknown") << QStringList{QStringLiteral("veltora"), QStringLiteral("--lang"),
                                                QStringLiteral("de")}
                                 << QString() << true;
        QTest::newRow("region not a code")
            << QStringList{QStringLiteral("veltora"), QStringLiteral("--lang=uk-UA")} << QString() << true;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, code);
        QFETCH(bool, refused);
        const language::ArgumentChoice choice = language::fromArguments(arguments);
        QCOMPARE(choice.code, code);
        QCOMPARE(!choice.error.isEmpty(), refused);
        if (refused)
            QVERIFY(choice.error.contains(QStringLiteral("ru, uk, en")));
    }

    void mainWindowTranslated_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("exitQuestion");
        QTest::newRow("uk") << "uk"
                            << QStringList{QStringLiteral("Файл"), QStringLiteral("Редагування"),
                                           QStringLiteral("Додатково"), QStringLiteral("Довідка")}
                            << QStringLiteral("Велтора") << QStringLiteral("Ви справді хочете вийти з програми?");
        QTest::newRow("en") << "en"
                            << QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("Tools"),
                                           QStringLiteral("Help")}
                            << QStringLiteral("Veltora") << QStringLiteral("Do you really want to quit Veltora?");
        QTest::newRow("ru") << "ru"
                            << QStringList{QStringLiteral("Файл"), QStringLiteral("Правка"),
                                           QStringLiteral("Дополнительно"), QStringLiteral("Справка")}
                            << QStringLiteral("Велтора") << QStringLiteral("Вы действительно хотите выйти?");
    }
    void mainWindowTranslated()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, menus);
        QFETCH(QString, title);
        QFETCH(QString, exitQuestion);
        QVERIFY(language::install(*qApp, code, QStringLiteral(VELTORA_TRANSLATIONS_BUILD_DIR)));
        QCOMPARE(language::current(), code);
        TestProgram program;
        MainWindow *main = program.start();
        QCOMPARE(menuTitles(main), menus);
        QCOMPARE(main->windowTitle(), title);
        program.messages().answers = {false};
        main->exitProgram();
        QCOMPARE(program.messages().questions, QStringList{exitQuestion});
        // No Russian text is left on the tool bar of a translated window.
        for (QAction *a : main->findChild<QToolBar *>(QStringLiteral("toolBar"))->actions()) {
            const bool cyrillic = std::any_of(a->toolTip().cbegin(), a->toolTip().cend(),
                                              [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
            QVERIFY2(cyrillic == (code != QLatin1String("en")), qPrintable(a->toolTip()));
        }
        main->showHelp(); // in the interface's language
        QVERIFY(program.desktop().opened.value(0).endsWith(
            code == language::Source ? QStringLiteral("help/index.html") : code + QStringLiteral("/index.html")));
    }

    // A translation that is not there leaves the program in Russian and says so.
    void missingTranslation()
    {
        const QTemporaryDir empty;
        QVERIFY(!language::install(*qApp, QStringLiteral("uk"), empty.path()));
        QCOMPARE(language::current(), language::Source);
        TestProgram program;
        QCOMPARE(menuTitles(program.start()).at(1), QStringLiteral("Правка"));
    }

    // The menu remembers the choice in the user's settings, says when it takes effect, and leaves
    // the working directory as it was.
    void menuRemembersChoice()
    {
        TestProgram program;
        MainWindow *main = program.start();
        const auto before = folderContents(program.dir().path());
        auto *english = main->findChild<QAction *>(QStringLiteral("language_en"));
        QVERIFY(english);
        QVERIFY(main->findChild<QAction *>(QStringLiteral("language_ru"))->isChecked());
        english->trigger();
        QCOMPARE(language::storedChoice(), QStringLiteral("en"));
        QCOMPARE(program.messages().shown.size(), 1);
        QVERIFY(program.messages().shown.first().contains(QStringLiteral("при следующем запуске")));
        QVERIFY(english->isChecked());
        QCOMPARE(folderContents(program.dir().path()), before);
        QVERIFY(QFile::exists(m_config.filePath(QStringLiteral("veltora/veltora.ini"))));

        // Back to the language in use: nothing to wait for.
        program.messages().clear();
        main->findChild<QAction *>(QStringLiteral("language_ru"))->trigger();
        QCOMPARE(language::storedChoice(), QStringLiteral("ru"));
        QVERIFY(program.messages().shown.isEmpty());

        // A new window shows the stored choice checked.
        language::storeChoice(QStringLiteral("uk"));
        TestProgram again;
        QVERIFY(again.start()->findChild<QAction *>(QStringLiteral("language_uk"))->isChecked());
    }

    // A settings file that cannot be written is reported, not passed over.
    void unwritableSettingsReported()
    {
        QFile::remove(m_config.filePath(QStringLiteral("veltora/veltora.ini")));
        QDir(m_config.path()).rmdir(QStringLiteral("veltora"));
        QFile blocker(m_config.filePath(QStringLiteral("veltora")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the settings folder should be
        blocker.close();
        TestProgram program;
        MainWindow *main = program.start();
        main->findChild<QAction *>(QStringLiteral("language_en"))->trigger();
        QCOMPARE(program.messages().shown.size(), 1);
        QVERIFY(program.messages().shown.first().startsWith(QStringLiteral("Не удалось запомнить выбор языка")));
        QFile::remove(blocker.fileName());
    }

    void unknownLanguageRefusedByTheProgram()
    {
        QProcess veltora;
        veltora.start(QStringLiteral(VELTORA_EXE), {QStringLiteral("--lang"), QStringLiteral("de")});
        QVERIFY(veltora.waitForFinished(60000));
        QCOMPARE(veltora.exitCode(), 2);
        QVERIFY(QString::fromUtf8(veltora.readAllStandardError()).contains(QStringLiteral("«de»")));
    }

    // --help (in the language asked for) and --version print and end, also without a display.
    void helpAndVersionPrintAndExit()
    {
        for (const auto &[argument, printed] : {std::pair{"--help", "Мова інтерфейсу"}, {"--version", "veltora 1"}}) {
            QProcess veltora;
            veltora.setProcessEnvironment(QProcessEnvironment());
            veltora.start(QStringLiteral(VELTORA_EXE), {QStringLiteral("--lang=uk"), QString::fromLatin1(argument)});
            QVERIFY(veltora.waitForFinished(60000) && veltora.exitCode() == 0 &&
                    QString::fromUtf8(veltora.readAllStandardOutput()).contains(QString::fromUtf8(printed)));
        }
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
