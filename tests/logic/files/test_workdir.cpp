// The working directory: names without regard to case, code page 1251, line ends, atomic writes,
// and the lines that a word-wrapping box shows.

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/TextLines.h"
#include "logic/files/WorkDir.h"
#include "support/TestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTest>

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

    void everyByteDecodedAsTheCodecDecodesIt()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        bytes += bytes;
        QStringDecoder codec("windows-1251");
        QCOMPARE(codepage::decode1251(bytes), codec.decode(bytes));
        QCOMPARE(codepage::decode1251(QByteArray("\xc0\xff")), QStringLiteral("Ая"));
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
        // UTF-8 files take anything.
        dir.workDir().writeText(QStringLiteral("Slfile.tmp"), QStringLiteral("日本"), TextEncoding::Utf8);
        QCOMPARE(dir.workDir().readText(QStringLiteral("Slfile.tmp"), TextEncoding::Utf8), QStringLiteral("日本"));
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
