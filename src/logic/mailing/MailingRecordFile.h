#pragma once
// Pasted rows turned into mailing records, the file "Slfile.tmp" that holds them, and the file
// "txtfile.txt" with the last typed list of envelope numbers.
//
// A mailing record is nine lines per pasted row, one per envelope field in the order of
// MailingField. A line is empty when its field has no column; otherwise it is the field's marker
// ("%" for the surname, which is the record key, "#" for the others) followed by the cell text of
// the assigned column exactly as pasted, with the cell's trailing tab unless it is the row's last
// cell. "Slfile.tmp" holds the records one after the other, lines ended by CR LF, in UTF-8 so that
// any pasted text survives.

#include "logic/mailing/MailingData.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class WorkDir;

enum MailingField {
    FieldSurname,  // "Фамилия", the record key
    FieldName,     // "Имя"
    FieldPatronym, // "Отчество"
    FieldStreet,   // "Улица, дом, квартира"
    FieldTown,     // "Населенный пункт"
    FieldDistrict, // "Район (если нужно)"
    FieldRegion,   // "Область (если нужно)"
    FieldCountry,  // "Страна (если нужно)"
    FieldZipCode,  // "Почтовый индекс"
};

// For each field the column of a row (counted from 0) that fills it, -1 when none.
using ColumnMap = std::array<int, MailingData::MailingRecordLines>;
ColumnMap emptyColumnMap();

inline const QString MailingRecordsFile = QStringLiteral("Slfile.tmp");
inline const QString EnvelopeNumbersFile = QStringLiteral("txtfile.txt");

// The rows of pasted text: its lines, without those shorter than five characters.
QStringList pastedRows(const QString &text);

// Nine lines per row. A row with fewer cells than an assigned column gives an empty line for that
// field.
QStringList buildMailingRecords(const QStringList &rows, const ColumnMap &columns);

// Writes "Slfile.tmp" anew; throws IoError.
void writeMailingRecords(const WorkDir &dir, const QStringList &lines);
// Reads "Slfile.tmp" back, line by line; throws IoError.
QStringList readMailingRecords(const WorkDir &dir);

// Writes "txtfile.txt" anew: a line holding 0, then the envelope numbers (counted from 1) in the
// order given, one decimal number per line, CR LF after each. Throws IoError.
void writeEnvelopeNumbers(const WorkDir &dir, const QList<int> &numbers);
