// vCard files: a phone's export (3.0 and 2.1: folded lines, QUOTED-PRINTABLE with soft line breaks,
// CHARSET, escapes) and a desktop mail program's (4.0: several addresses, the preferred one, an
// organisation, the district component); files refused; contacts written and read back.

#include "logic/addresses/VCard.h"
#include "support/MailingTestText.h"

#include <QTest>

using namespace testing;

namespace {

PostalAddress address(std::initializer_list<const char *> fields)
{
    const QStringList f = lines(fields);
    return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5), f.value(6)};
}

} // namespace

Q_DECLARE_METATYPE(QList<Contact>)

class TestVCard : public QObject
{
    Q_OBJECT
private slots:
    void readsExports_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<Contact>>("contacts");
        QTest::newRow("phone, 3.0 and 2.1")
            << QStringLiteral("addresses/phone-3.0.vcf")
            << QList<Contact>{
                   {t("Тарас Шевченко"),
                    {address({"вул. Хрещатик, 22, кв. 5", "Київ", "", "", "01001", "Україна", "home"})}},
                   {t("Петренко Олена Іванівна"),
                    {address({"ул. Ленина, 10", "Харьков", "", "Харьковская область", "61000", "Украина", "work"})}},
                   {t("Коваль Пётр"),
                    {address({"пр. Победы 45, кв. 118, подъезд 3, этаж 9", "Одесса", "", "", "65000", "", "home"})}},
                   {t("Без Адреса"), {}}};
        QTest::newRow("desktop mail, 4.0")
            << QStringLiteral("addresses/desktop-4.0.vcf")
            << QList<Contact>{
                   {t("Мельник Андрій"),
                    {address({"вул. Шевченка 5", "Львів", "", "Львівська обл.", "79000", "Україна", "home"}),
                     address({"пл. Ринок, 1", "Львів", "", "", "79008", "Україна", "work"})}},
                   {t("ТОВ \"Промінь\""),
                    {address({"вул. Садова 3", "Бровари", "Броварський", "Київська", "07400", "Україна", ""})}}};
    }
    void readsExports()
    {
        QFETCH(QString, file);
        QFETCH(QList<Contact>, contacts);
        const QList<Contact> read = vcard::read(fixtureBytes(file));
        QCOMPARE(read.size(), contacts.size());
        for (qsizetype i = 0; i < read.size(); ++i) {
            QCOMPARE(read.at(i).name, contacts.at(i).name);
            QCOMPARE(read.at(i).addresses.size(), contacts.at(i).addresses.size());
            for (qsizetype k = 0; k < read.at(i).addresses.size(); ++k)
                QVERIFY2(read.at(i).addresses.at(k) == contacts.at(i).addresses.at(k),
                         qPrintable(read.at(i).addresses.at(k).street));
        }
        // Written as 4.0 and read again: the same contacts.
        QVERIFY(vcard::read(vcard::write(read)) == read);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("no END") << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:A\r\n") << t("строке 1, не закончен");
        QTest::newRow("a CSV file") << QByteArray("Name,City\r\nA,B\r\n") << t("это не файл vCard");
        QTest::newRow("text after the contact") << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nFN:B\n") << t("строка 4");
        QTest::newRow("empty") << QByteArray("\r\n") << t("нет ни одного контакта");
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        try {
            vcard::read(bytes);
            QFAIL("read");
        } catch (const VCardError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void writesFoldedEscapedLines()
    {
        const Contact c{t("Очень длинное имя; с точкой с запятой, запятой и \\ чертой — и ещё слова"),
                        {address({"ул. Длинная, 1", "Киев", "Район", "", "01001", "", ""})}};
        const QByteArray bytes = vcard::write({c});
        for (const QByteArray &line : bytes.split('\n'))
            QVERIFY(line.size() <= 76);
        QVERIFY(bytes.contains("\\;"));
        QVERIFY(vcard::read(bytes) == QList<Contact>{c});
    }
};

QTEST_GUILESS_MAIN(TestVCard)
#include "test_vcard.moc"
