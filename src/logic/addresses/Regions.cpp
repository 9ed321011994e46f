#include "logic/addresses/Regions.h"

namespace postal {

const QList<Region> &regions()
{
    static const QList<Region> table = {
        {QStringLiteral("krim.bsd"),
         QStringLiteral("АР Крым"),
         QStringLiteral("АР Крим"),
         QStringLiteral("AR Krym"),
         {QStringLiteral("АР Крим"), QStringLiteral("АР Крым"), QStringLiteral("Крим"), QStringLiteral("Крым"),
          QStringLiteral("Автономна Республіка Крим"), QStringLiteral("Автономная Республика Крым"),
          QStringLiteral("Севастополь")},
         QStringLiteral("Севастополь")},
        {QStringLiteral("Volinska.bsd"),
         QStringLiteral("Волынская"),
         QStringLiteral("Волинська"),
         QStringLiteral("Volynska"),
         {QStringLiteral("Волинська"), QStringLiteral("Волынская")},
         QString()},
        {QStringLiteral("Dnipropetrovska.bsd"),
         QStringLiteral("Днепропетровская"),
         QStringLiteral("Дніпропетровська"),
         QStringLiteral("Dnipropetrovska"),
         {QStringLiteral("Дніпропетровська"), QStringLiteral("Днепропетровская"), QStringLiteral("Дніпровська")},
         QString()},
        {QStringLiteral("Donezka.bsd"),
         QStringLiteral("Донецкая"),
         QStringLiteral("Донецька"),
         QStringLiteral("Donetska"),
         {QStringLiteral("Донецька"), QStringLiteral("Донецкая")},
         QString()},
        {QStringLiteral("Zhitomirska.bsd"),
         QStringLiteral("Житомирская"),
         QStringLiteral("Житомирська"),
         QStringLiteral("Zhytomyrska"),
         {QStringLiteral("Житомирська"), QStringLiteral("Житомирская")},
         QString()},
        {QStringLiteral("Zakarpatska.bsd"),
         QStringLiteral("Закарпатская"),
         QStringLiteral("Закарпатська"),
         QStringLiteral("Zakarpatska"),
         {QStringLiteral("Закарпатська"), QStringLiteral("Закарпатская")},
         QString()},
        {QStringLiteral("Zaporizka.bsd"),
         QStringLiteral("Запорожская"),
         QStringLiteral("Запорізька"),
         QStringLiteral("Zaporizka"),
         {QStringLiteral("Запорізька"), QStringLiteral("Запорожская")},
         QString()},
        {QStringLiteral("Ivanofrankivska.bsd"),
         QStringLiteral("Ивано-Франковская"),
         QStringLiteral("Івано-Франківська"),
         QStringLiteral("Ivano-Frankivska"),
         {QStringLiteral("Івано-Франківська"), QStringLiteral("Ивано-Франковская")},
         QString()},
        {QStringLiteral("Kievska.bsd"),
         QStringLiteral("Киевская и г. Киев"),
         QStringLiteral("Київська і м. Київ"),
         QStringLiteral("Kyivska and Kyiv"),
         {QStringLiteral("Київська"), QStringLiteral("Киевская"), QStringLiteral("Київ"), QStringLiteral("Киев")},
         QStringLiteral("Київ")},
        {QStringLiteral("Kirovogradska.bsd"),
         QStringLiteral("Кировоградская"),
         QStringLiteral("Кіровоградська"),
         QStringLiteral("Kirovohradska"),
         {QStringLiteral("Кіровоградська"), QStringLiteral("Кировоградская"), QStringLiteral("Кропивницька")},
         QString()},
        {QStringLiteral("Luganska.bsd"),
         QStringLiteral("Луганская"),
         QStringLiteral("Луганська"),
         QStringLiteral("Luhanska"),
         {QStringLiteral("Луганська"), QStringLiteral("Луганская")},
         QString()},
        {QStringLiteral("lvivska.bsd"),
         QStringLiteral("Львовская"),
         QStringLiteral("Львівська"),
         QStringLiteral("Lvivska"),
         {QStringLiteral("Львівська"), QStringLiteral("Львовская")},
         QString()},
        {QStringLiteral("mikolaivska.bsd"),
         QStringLiteral("Николаевская"),
         QStringLiteral("Миколаївська"),
         QStringLiteral("Mykolaivska"),
         {QStringLiteral("Миколаївська"), QStringLiteral("Николаевская")},
         QString()},
        {QStringLiteral("Odeska.bsd"),
         QStringLiteral("Одесская"),
         QStringLiteral("Одеська"),
         QStringLiteral("Odeska"),
         {QStringLiteral("Одеська"), QStringLiteral("Одесская")},
         QString()},
        {QStringLiteral("Poltavska.bsd"),
         QStringLiteral("Полтавская"),
         QStringLiteral("Полтавська"),
         QStringLiteral("Poltavska"),
         {QStringLiteral("Полтавська"), QStringLiteral("Полтавская")},
         QString()},
        {QStringLiteral("rivnenska.bsd"),
         QStringLiteral("Ровенская"),
         QStringLiteral("Рівненська"),
         QStringLiteral("Rivnenska"),
         {QStringLiteral("Рівненська"), QStringLiteral("Ровенская"), QStringLiteral("Ровненская")},
         QString()},
        {QStringLiteral("Sumska.bsd"),
         QStringLiteral("Сумская"),
         QStringLiteral("Сумська"),
         QStringLiteral("Sumska"),
         {QStringLiteral("Сумська"), QStringLiteral("Сумская")},
         QString()},
        {QStringLiteral("ternopilska.bsd"),
         QStringLiteral("Тернопольская"),
         QStringLiteral("Тернопільська"),
         QStringLiteral("Ternopilska"),
         {QStringLiteral("Тернопільська"), QStringLiteral("Тернопольская")},
         QString()},
        {QStringLiteral("Harkivska.bsd"),
         QStringLiteral("Харьковская"),
         QStringLiteral("Харківська"),
         QStringLiteral("Kharkivska"),
         {QStringLiteral("Харківська"), QStringLiteral("Харьковская")},
         QString()},
        {QStringLiteral("Hersonska.bsd"),
         QStringLiteral("Херсонская"),
         QStringLiteral("Херсонська"),
         QStringLiteral("Khersonska"),
         {QStringLiteral("Херсонська"), QStringLiteral("Херсонская")},
         QString()},
        {QStringLiteral("Hmelnizka.bsd"),
         QStringLiteral("Хмельницкая"),
         QStringLiteral("Хмельницька"),
         QStringLiteral("Khmelnytska"),
         {QStringLiteral("Хмельницька"), QStringLiteral("Хмельницкая")},
         QString()},
        {QStringLiteral("Cherkaska.bsd"),
         QStringLiteral("Черкасская"),
         QStringLiteral("Черкаська"),
         QStringLiteral("Cherkaska"),
         {QStringLiteral("Черкаська"), QStringLiteral("Черкасская")},
         QString()},
        {QStringLiteral("Chernigivska.bsd"),
         QStringLiteral("Черниговская"),
         QStringLiteral("Чернігівська"),
         QStringLiteral("Chernihivska"),
         {QStringLiteral("Чернігівська"), QStringLiteral("Черниговская")},
         QString()},
        {QStringLiteral("Chernivezka.bsd"),
         QStringLiteral("Черновицкая"),
         QStringLiteral("Чернівецька"),
         QStringLiteral("Chernivetska"),
         {QStringLiteral("Чернівецька"), QStringLiteral("Черновицкая")},
         QString()},
        {QStringLiteral("Vinnizka.bsd"),
         QStringLiteral("Винницкая"),
         QStringLiteral("Вінницька"),
         QStringLiteral("Vinnytska"),
         {QStringLiteral("Вінницька"), QStringLiteral("Винницкая")},
         QString()},
    };
    return table;
}

QString regionListFile()
{
    return QStringLiteral("oblrus.txt");
}

QString regionListName(int row, const QString &language)
{
    if (row < 0 || row >= regions().size())
        return {};
    const Region &region = regions().at(row);
    if (language == QLatin1String("uk"))
        return region.ukrainianListName;
    if (language == QLatin1String("en"))
        return region.englishListName;
    return region.listName;
}

const QStringList &regionFiles()
{
    static const QStringList files = [] {
        QStringList list;
        for (const Region &region : regions())
            list.append(region.fileName);
        return list;
    }();
    return files;
}

QStringList directoryFiles()
{
    return QStringList{regionListFile()} + regionFiles();
}

QString regionFileName(int row)
{
    const QStringList &files = regionFiles();
    return row >= 0 && row < files.size() ? files.at(row) : QString();
}

} // namespace postal
