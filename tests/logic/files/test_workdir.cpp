// The working directory: names without regard to case, code page 1251, line ends, atomic writes,
// and the lines that a word-wrapping box shows.

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/TextLines.h"
#include "logic/files/WorkDir.h"
#include "support/FailingWrites.h"
#include "support/TestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>

using namespace testing;

class TestWorkDir : public QObject
{
    Q_OBJECT
private slots:
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("no final break") << QStringLiteral("a\r\nb")
                                        << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("lone lf and cr") << QStringLiteral("a\nb\rc")
                                        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("empty lines kept")
            << QStringLiteral("\r\n\r\nx") << QStringList{QString(), QString(), QStringLiteral("x")};
        QTest::newRow("lf cr is two breaks")
            << QStringLiteral("a\n\rb") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(codepage::splitLines(text), lines);
    }

    void everyByteDecodedAndEncodedAsTheSystemCodecDoes()
    {
        QCOMPARE(codepage::decode1251(QByteArray("\xc0\xff")), QStringLiteral("Ая"));
        QStringDecoder codec("windows-1251");
        if (!codec.isValid())
            QSKIP("Qt has no windows-1251 codec here");
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        const QString text = codec.decode(bytes);
        QCOMPARE(codepage::decode1251(bytes), text);
        QCOMPARE(codepage::encode1251(text), std::optional<QByteArray>(bytes));
    }

    void textFilesInCodePage1251()
    {
        TempWorkDir dir(false);
        dir.workDir().writeLines(QStringLiteral("Book.txt"),
                                 {QStringLiteral("%Іван Їжак"), QStringLiteral("#Ёлка №5")});
        QCOMPARE(dir.read(QStringLiteral("Book.txt")),
                 QByteArray("%\xb2\xe2\xe0\xed \xaf\xe6\xe0\xea\r\n#\xa8\xeb\xea\xe0 \xb9\x35\r\n"));
        // Opened under another spelling, the same file is read and replaced.
        QCOMPARE(dir.workDir().readLines(QStringLiteral("book.txt")).size(), 2);
        dir.workDir().appendLines(QStringLiteral("BOOK.TXT"), {QStringLiteral("#x")});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Book.txt")});
        QVERIFY(dir.read(QStringLiteral("Book.txt")).endsWith("#x\r\n"));
    }

    void unencodableTextIsRefusedBeforeWriting()
    {
        TempWorkDir dir(false);
        dir.workDir().writeText(QStringLiteral("user.txt"), QStringLiteral("старый"));
        try {
            dir.workDir().writeText(QStringLiteral("user.txt"), QStringLiteral("Grüße € 😀 日本"));
            QFAIL("no error");
        } catch (const IoError &e) {
            QVERIFY(e.message().contains(QStringLiteral("ü")));
            QVERIFY(e.message().contains(QStringLiteral("user.txt")));
        }
        QCOMPARE(dir.read(QStringLiteral("user.txt")), cp1251(QStringLiteral("старый")));
        // The euro sign and the Ukrainian letters are in the code page.
        dir.workDir().writeText(QStringLiteral("user.txt"), QStringLiteral("€ ґЄ"));
        QCOMPARE(dir.read(QStringLiteral("user.txt")), QByteArray("\x88 \xb4\xaa"));
        // UTF-8 files take anything; byte-order marks at the start are no text, neither written
        // nor read (a file another program saved with one reads as without).
        dir.workDir().writeText(QStringLiteral("Slfile.tmp"), QStringLiteral("\uFEFF\uFEFF日本\uFEFF"),
                                TextEncoding::Utf8);
        QCOMPARE(dir.read(QStringLiteral("Slfile.tmp")), QStringLiteral("日本\uFEFF").toUtf8());
        dir.write(QStringLiteral("Slfile.tmp"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF%a"));
        QCOMPARE(dir.workDir().readText(QStringLiteral("Slfile.tmp"), TextEncoding::Utf8), QStringLiteral("%a"));
    }

    void missingFiles()
    {
        TempWorkDir dir(false);
        QVERIFY_THROWS_EXCEPTION(IoError, dir.workDir().readLines(QStringLiteral("nothing.txt")));
        try {
            dir.workDir().loadLines(QStringLiteral("envs.txt"));
            QFAIL("no error");
        } catch (const IoError &e) {
            QVERIFY(e.message().startsWith(QStringLiteral("Cannot open file")));
            QVERIFY(e.message().contains(QDir::toNativeSeparators(dir.path())));
        }
        // Appending needs the file unless asked to create it.
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 dir.workDir().appendLines(QStringLiteral("Book.txt"), {QStringLiteral("%a")}));
        QVERIFY(!dir.exists(QStringLiteral("Book.txt")));
        dir.workDir().appendLines(QStringLiteral("Book.txt"), {QStringLiteral("%a")}, true);
        QCOMPARE(dir.read(QStringLiteral("Book.txt")), QByteArray("%a\r\n"));
    }

    void writeIntoAFolderThatCannotHoldTheFile()
    {
        // A directory where the file should be: the write fails and nothing else changes (works as root too).
        TempWorkDir dir(false);
        QDir(dir.path()).mkdir(QStringLiteral("parfile"));
        QVERIFY_THROWS_EXCEPTION(IoError, dir.workDir().writeBytes(QStringLiteral("parfile"), "12345678"));
        QVERIFY(QFileInfo(QDir(dir.path()).filePath(QStringLiteral("parfile"))).isDir());
    }

    void oneFileForEverySpelling()
    {
        TempWorkDir dir(false);
        dir.write(QStringLiteral("book.txt"), "lower");
        dir.write(QStringLiteral("BOOK.TXT"), "upper");
        if (QDir(dir.path()).entryList(QDir::Files).size() != 2)
            QSKIP("the file system does not tell case apart");
        WorkDir &wd = dir.workDir();
        // No exact match: the first of the spellings in byte order ("BOOK.TXT" < "book.txt"),
        // for reading, existence, writing and appending alike.
        QCOMPARE(wd.path(QStringLiteral("Book.txt")), dir.filePath(QStringLiteral("BOOK.TXT")));
        QCOMPARE(wd.readBytes(QStringLiteral("Book.txt")), QByteArray("upper"));
        wd.appendLines(QStringLiteral("Book.txt"), {QStringLiteral("x")});
        QCOMPARE(dir.read(QStringLiteral("BOOK.TXT")), QByteArray("upperx\r\n"));
        // The exact spelling wins over every other.
        dir.write(QStringLiteral("Book.txt"), "exact");
        QCOMPARE(wd.readBytes(QStringLiteral("Book.txt")), QByteArray("exact"));
        wd.writeBytes(QStringLiteral("Book.txt"), "new");
        QCOMPARE(dir.read(QStringLiteral("Book.txt")), QByteArray("new"));
        QCOMPARE(dir.read(QStringLiteral("book.txt")), QByteArray("lower"));
        QCOMPARE(wd.readBytes(QStringLiteral("book.txt")), QByteArray("lower"));
        QVERIFY(wd.remove(QStringLiteral("Book.txt")));
        QVERIFY(!QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("Book.txt"))));
        QCOMPARE(wd.readBytes(QStringLiteral("Book.txt")), QByteArray("upperx\r\n"));
    }

    // Each message names the file and why it cannot be used; the runtime's texts stay where the
    // reason is the one they name.
    void messagesGiveTheRealReason()
    {
        TempWorkDir dir(false);
        WorkDir &wd = dir.workDir();
        const auto message = [](const std::function<void()> &fn) {
            try {
                fn();
            } catch (const IoError &e) {
                return e.message();
            }
            return QStringLiteral("no error");
        };
        QCOMPARE(message([&] { wd.readBytes(QStringLiteral("Book.txt")); }), QStringLiteral("File not found"));

        for (const char *name : {"Book.txt", "parfile", "envs", "HomeFont"}) {
            const QString file = QString::fromLatin1(name);
            QVERIFY(QDir(dir.path()).mkdir(file));
            const QString path = QDir::toNativeSeparators(dir.filePath(file));
            for (const QString &m :
                 {message([&] { wd.readBytes(file); }), message([&] { wd.writeBytes(file, "x"); })}) {
                QVERIFY2(m.contains(path) && m.contains(QStringLiteral("folder")), qPrintable(m));
            }
            QVERIFY(!wd.exists(file));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("User.txt")));
        const QString folder = message([&] { wd.loadText(QStringLiteral("User.txt")); });
        QVERIFY2(folder.contains(QStringLiteral("User.txt")) && folder.contains(QStringLiteral("folder")) &&
                     !folder.contains(QStringLiteral("No such file")),
                 qPrintable(folder));

        TempWorkDir links(false);
        QVERIFY(QFile::link(links.filePath(QStringLiteral("gone.txt")), links.filePath(QStringLiteral("Book.txt"))));
        const QString path = QDir::toNativeSeparators(links.filePath(QStringLiteral("Book.txt")));
        const QString target = QDir::toNativeSeparators(links.filePath(QStringLiteral("gone.txt")));
        for (const QString &m : {message([&] { links.workDir().readBytes(QStringLiteral("book.txt")); }),
                                 message([&] { links.workDir().writeBytes(QStringLiteral("Book.txt"), "x"); }),
                                 message([&] { links.workDir().loadText(QStringLiteral("Book.txt")); })}) {
            QVERIFY2(m.contains(path) && m.contains(QStringLiteral("broken link"), Qt::CaseInsensitive) &&
                         m.contains(target),
                     qPrintable(m));
        }
        QVERIFY(!QFileInfo::exists(links.filePath(QStringLiteral("gone.txt"))));
    }

    void fullDiskNamesTheReason_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("file grows past the limit") << 512;
        QTest::newRow("not even the lock file fits") << 16;
    }
    void fullDiskNamesTheReason()
    {
        QFETCH(int, limit);
        if (!FailingWrites::supported)
            QSKIP("no way to make writes fail on this system");
        TempWorkDir dir(false);
        dir.write(QStringLiteral("Book.txt"), "old");
        QString m;
        {
            FailingWrites full(limit);
            try {
                dir.workDir().writeBytes(QStringLiteral("book.txt"), QByteArray(4096, 'x'));
            } catch (const IoError &e) {
                m = e.message();
            }
        }
        QVERIFY2(m.contains(QDir::toNativeSeparators(dir.path())), qPrintable(m));
        QVERIFY2(!m.contains(QStringLiteral("Unknown error")), qPrintable(m));
        QVERIFY2(m.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(m));
        QCOMPARE(dir.read(QStringLiteral("Book.txt")), QByteArray("old"));
        if (limit > 16)
            QVERIFY2(m.contains(QStringLiteral("Book.txt")), qPrintable(m));
    }

    void strToIntLikeTheRuntime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << QStringLiteral("40") << true << 40;
        QTest::newRow("negative") << QStringLiteral("-5") << true << -5;
        QTest::newRow("blanks") << QStringLiteral(" 12 ") << true << 12;
        QTest::newRow("max") << QStringLiteral("2147483647") << true << 2147483647;
        QTest::newRow("too large") << QStringLiteral("2147483648") << false << 0;
        QTest::newRow("letters") << QStringLiteral("1a") << false << 0;
        QTest::newRow("empty") << QString() << false << 0;
    }
    void strToIntLikeTheRuntime()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        if (ok) {
            QCOMPARE(strToInt(text), value);
        } else {
            try {
                strToInt(text);
                QFAIL("no error");
            } catch (const ConversionError &e) {
                QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
            }
        }
    }

    void wrappedLinesBreakAtWords()
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        const QString longLine = QStringLiteral("Киевская область, Белоцерковский район, село Малая Вильшанка");
        const QStringList lines =
            wrappedLines(QStringLiteral("Иванов\r\n") + longLine + QStringLiteral("\r\n\r\n01001"), font, 185);
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.first(), QStringLiteral("Иванов"));
        QCOMPARE(lines.last(), QStringLiteral("01001"));
        QVERIFY(lines.contains(QString())); // the empty line stays a line
        const QFontMetrics fm(font);
        QString joined;
        for (const QString &l : lines.mid(1, lines.size() - 3)) {
            QVERIFY2(fm.horizontalAdvance(l) <= textAreaWidth(185), qPrintable(l));
            QVERIFY(!l.startsWith(QLatin1Char(' ')) && !l.endsWith(QLatin1Char(' ')));
            joined += (joined.isEmpty() ? QString() : QStringLiteral(" ")) + l;
        }
        QCOMPARE(joined, longLine); // broken only at blanks, nothing lost
    }
};

QTEST_MAIN(TestWorkDir)
#include "test_workdir.moc"
