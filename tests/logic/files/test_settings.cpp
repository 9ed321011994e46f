// The settings files, byte for byte.

#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "support/FailingWrites.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace testing;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void fontRecordLayout()
    {
        TempWorkDir dir(false);
        FontSetting f{QStringLiteral("Times New Roman"), 14, true, false};
        settings::writeSenderFont(dir.workDir(), f);
        const QByteArray bytes = dir.read(QStringLiteral("HomeFont"));
        QCOMPARE(bytes.size(), 268);
        QCOMPARE(static_cast<int>(bytes.at(0)), 15);
        QCOMPARE(bytes.mid(1, 15), QByteArray("Times New Roman"));
        QCOMPARE(bytes.mid(16, 240), QByteArray(240, '\0'));
        QCOMPARE(bytes.mid(256, 4), QByteArray("\x0e\x00\x00\x00", 4));
        QCOMPARE(bytes.mid(260, 4), QByteArray(4, '\0'));
        QCOMPARE(bytes.mid(264, 4), QByteArray("\x01\x00\x00\x00", 4));
        QCOMPARE(settings::readSenderFont(dir.workDir()), f);
        // A flag byte is true only when it is 1.
        QByteArray flags = bytes;
        flags[264] = 2;
        flags[265] = '\xff';
        QCOMPARE(FontSetting::fromRecord(flags), (FontSetting{f.name, f.pointSize, false, false}));
    }

    void fontNameCutAndCyrillic()
    {
        TempWorkDir dir(false);
        const QString longName(300, QChar(0x0416)); // Ж
        settings::writeRecipientFont(dir.workDir(), FontSetting{longName, 8, false, true});
        const QByteArray bytes = dir.read(QStringLiteral("addrfont"));
        QCOMPARE(static_cast<quint8>(bytes.at(0)), quint8(255));
        QCOMPARE(bytes.mid(1, 255), QByteArray(255, '\xc6'));
        QCOMPARE(bytes.at(265), '\x01');
        QCOMPARE(settings::readRecipientFont(dir.workDir()).name, longName.left(255));
    }

    void intRecordsAndFirstLast()
    {
        TempWorkDir dir(false);
        settings::writeEnvelopeSize(dir.workDir(), 110, 220);
        QCOMPARE(dir.read(QStringLiteral("parfile")), QByteArray("\x6e\0\0\0\xdc\0\0\0", 8));
        settings::writeEnvelopeShape(dir.workDir(), EnvelopeShape::Square);
        QCOMPARE(dir.read(QStringLiteral("envtip")), QByteArray("\x03\0\0\0", 4));
        settings::writeFeedMethodConfirmed(dir.workDir(), true);
        QCOMPARE(dir.read(QStringLiteral("issel")), QByteArray("\x01", 1));
        settings::writeRowLimitWarningSuppressed(dir.workDir(), false);
        QCOMPARE(dir.read(QStringLiteral("ShowFile")), QByteArray("\x00", 1));
        // Two records: the feed window reads the first, printing the last.
        dir.write(QStringLiteral("envs"), QByteArray("\x01\0\0\0\x04\0\0\0", 8));
        QCOMPARE(settings::readFeedMethodChoice(dir.workDir()), FeedMethod::LeftEdge);
        QCOMPARE(settings::readFeedMethod(dir.workDir()), FeedMethod::Centre);
        // A file that ends partway through a record: the last whole record is read.
        dir.write(QStringLiteral("envs"), QByteArray("\x01\0\0\0\x04\0\0\0\x07\0", 10));
        QCOMPARE(settings::readFeedMethod(dir.workDir()), FeedMethod::Centre);
    }

    void missingAndShortFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << false << QStringLiteral("File not found");
        QTest::newRow("empty") << QByteArray() << true << QStringLiteral("Read beyond end of file");
        QTest::newRow("short") << QByteArray("\x01\x00", 2) << true << QStringLiteral("Read beyond end of file");
    }
    void missingAndShortFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(QString, message);
        TempWorkDir dir(false);
        if (present) {
            for (const char *name : {"envtip", "parfile", "envs", "HomeFont"})
                dir.write(QString::fromLatin1(name), content);
        }
        auto expectError = [&](auto fn) {
            try {
                fn();
                QFAIL("no error");
            } catch (const IoError &e) {
                QCOMPARE(e.message(), message);
            }
        };
        expectError([&] { settings::readEnvelopeShape(dir.workDir()); });
        expectError([&] { settings::readEnvelopeSize(dir.workDir()); });
        expectError([&] { settings::readFeedMethod(dir.workDir()); });
        expectError([&] { settings::readSenderFont(dir.workDir()); });
    }

    void valuesNoEnvelopeCanHaveAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("refused");
        const auto i32 = [](qint32 v) { return settings::int32Record(v); };
        const auto font = [](qint32 size) {
            return FontSetting{QStringLiteral("Arial"), size, false, false}.toRecord();
        };
        QTest::newRow("parfile at the int32 limit") << "parfile" << i32(2147483647) + i32(2147483647) << true;
        QTest::newRow("parfile negative") << "parfile" << i32(-110) + i32(220) << true;
        QTest::newRow("parfile zero") << "parfile" << i32(110) + i32(0) << true;
        QTest::newRow("parfile 1001 mm") << "parfile" << i32(110) + i32(1001) << true;
        QTest::newRow("parfile 1 x 1000 mm") << "parfile" << i32(1) + i32(1000) << false;
        QTest::newRow("envtip 0") << "envtip" << i32(0) << true;
        QTest::newRow("envtip 4") << "envtip" << i32(4) << true;
        QTest::newRow("envtip 3") << "envtip" << i32(3) << false;
        QTest::newRow("envs 7") << "envs" << i32(7) << true;
        QTest::newRow("envs -1 after 1") << "envs" << i32(1) + i32(-1) << true;
        QTest::newRow("envs 0, written before any choice") << "envs" << i32(0) << false;
        QTest::newRow("envs 4") << "envs" << i32(4) << false;
        QTest::newRow("HomeFont size 0") << "HomeFont" << font(0) << true;
        QTest::newRow("HomeFont size 401") << "HomeFont" << font(401) << true;
        QTest::newRow("HomeFont size 400") << "HomeFont" << font(400) << false;
        QTest::newRow("AddrFont size -2147483648") << "AddrFont" << font(-2147483647 - 1) << true;
        QTest::newRow("AddrFont size 1") << "AddrFont" << font(1) << false;
    }
    void valuesNoEnvelopeCanHaveAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        TempWorkDir dir(false);
        dir.write(file, content);
        const WorkDir &wd = dir.workDir();
        try {
            if (file == settings::EnvelopeSizeFile)
                settings::readEnvelopeSize(wd);
            else if (file == settings::EnvelopeShapeFile)
                settings::readEnvelopeShape(wd);
            else if (file == settings::FeedMethodFile)
                settings::readFeedMethod(wd);
            else if (file == settings::SenderFontFile)
                settings::readSenderFont(wd);
            else
                settings::readRecipientFont(wd);
            QVERIFY2(!refused, "read without an error");
        } catch (const IoError &e) {
            QVERIFY2(refused, qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("«%1»").arg(file)), qPrintable(e.message()));
        }
    }

    void caseInsensitiveNames()
    {
        TempWorkDir dir(false);
        dir.write(QStringLiteral("HOMEFONT"), FontSetting{QStringLiteral("Arial"), 9, false, false}.toRecord());
        QCOMPARE(settings::readSenderFont(dir.workDir()).pointSize, 9);
        settings::writeSenderFont(dir.workDir(), FontSetting{QStringLiteral("Arial"), 11, false, false});
        // The existing file is replaced under its own name; no second file appears.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("HOMEFONT")});
        QCOMPARE(settings::readSenderFont(dir.workDir()).pointSize, 11);
    }

    void failedWriteKeepsOldFile()
    {
        if (!FailingWrites::supported)
            QSKIP("no way to make writes fail on this system");
        TempWorkDir dir(false);
        settings::writeSenderFont(dir.workDir(), FontSetting{QStringLiteral("Arial"), 9, false, false});
        {
            FailingWrites full; // the disk fills up half way through the record
            QVERIFY_THROWS_EXCEPTION(
                IoError,
                settings::writeSenderFont(dir.workDir(), FontSetting{QStringLiteral("Courier New"), 14, true, true}));
        }
        QCOMPARE(settings::readSenderFont(dir.workDir()), (FontSetting{QStringLiteral("Arial"), 9, false, false}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("HomeFont")});
    }

    void unencodableNameRefusedBeforeWriting()
    {
        TempWorkDir dir(false);
        settings::writeSenderFont(dir.workDir(), FontSetting{QStringLiteral("Arial"), 9, false, false});
        const QByteArray before = dir.read(QStringLiteral("HomeFont"));
        QVERIFY_THROWS_EXCEPTION(
            IoError, settings::writeSenderFont(dir.workDir(), FontSetting{QStringLiteral("漢字"), 9, false, false}));
        QCOMPARE(dir.read(QStringLiteral("HomeFont")), before);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
