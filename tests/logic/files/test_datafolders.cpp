// The program's folders: the shared data folder and its override, where the translations are
// found, and the seeding of a working directory from the defaults.

#include "logic/files/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDataFolders : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qunsetenv("VELTORA_DATA"); }

    void theDataFolderIsFoundFromTheProgramsFolderUnlessOverridden()
    {
        qunsetenv("VELTORA_DATA");
        const QString shared = programDataDir();
        QVERIFY(QDir::isAbsolutePath(shared));
        QVERIFY2(shared.endsWith(QStringLiteral("/share/veltora")), qPrintable(shared));
        // The same tree layout as installed: share/ is a sibling of the programs' folder.
        QCOMPARE(QFileInfo(shared).dir().absolutePath(),
                 QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share")));
        QCOMPARE(defaultDataDir(), shared);

        qputenv("VELTORA_DATA", "/elsewhere/defaults");
        QCOMPARE(defaultDataDir(), QStringLiteral("/elsewhere/defaults"));
        QCOMPARE(programDataDir(), shared);
    }

    void translationsAreBesideTheDefaultsOrInTheProgramsOwnFolder()
    {
        QTemporaryDir data;
        qputenv("VELTORA_DATA", QFile::encodeName(data.path()));
        // Defaults without translations (the source tree's data/): the program's own are used.
        QCOMPARE(translationsDir(), QDir(programDataDir()).filePath(QStringLiteral("translations")));
        QDir(data.path()).mkdir(QStringLiteral("translations"));
        QCOMPARE(translationsDir(), QDir(data.path()).filePath(QStringLiteral("translations")));
    }

    void seedingCopiesTheMissingFilesOnlyAndNoFolder()
    {
        QTemporaryDir data, work;
        writeFile(data.filePath(QStringLiteral("parfile")), "default size");
        writeFile(data.filePath(QStringLiteral("Book.txt")), "default book");
        writeFile(data.filePath(QStringLiteral("help/index.html")), "<html/>");
        writeFile(data.filePath(QStringLiteral("translations/veltora_uk.qm")), "qm");
        // The user's own book, under another spelling of its name, stays as it is.
        writeFile(work.filePath(QStringLiteral("BOOK.TXT")), "the user's book");

        QCOMPARE(seedWorkDir(data.path(), work.path()), QStringList{QStringLiteral("parfile")});
        QCOMPARE(readFile(work.filePath(QStringLiteral("parfile"))), QByteArray("default size"));
        QCOMPARE(readFile(work.filePath(QStringLiteral("BOOK.TXT"))), QByteArray("the user's book"));
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("BOOK.TXT"), QStringLiteral("parfile")}));
        QVERIFY(QFileInfo(work.filePath(QStringLiteral("parfile"))).permissions() & QFileDevice::WriteOwner);

        // A second start copies nothing over the user's changes.
        writeFile(work.filePath(QStringLiteral("parfile")), "the user's size");
        QCOMPARE(seedWorkDir(data.path(), work.path()), QStringList{});
        QCOMPARE(readFile(work.filePath(QStringLiteral("parfile"))), QByteArray("the user's size"));
    }

    void aMissingDataFolderIsNamedAndNothingIsCopied()
    {
        QTemporaryDir base;
        const QString missing = base.filePath(QStringLiteral("share/veltora"));
        const QString work = base.filePath(QStringLiteral("work"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(QDir::toNativeSeparators(missing))));
        QCOMPARE(seedWorkDir(missing, work), QStringList{});
        QVERIFY(QFileInfo(work).isDir());
        QVERIFY(QDir(work).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataFolders)
#include "test_datafolders.moc"
