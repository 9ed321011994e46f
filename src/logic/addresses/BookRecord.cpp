#include "logic/addresses/BookRecord.h"

#include "logic/files/Codepage.h"

namespace addressbook {

namespace {

const QString DistrictSuffix = QStringLiteral(" район");
const QString RegionSuffix = QStringLiteral(" область");

// Whether the text already says what its suffix would: a word of `words`, compared without case
// and without the dots that end it ("Київська обл.", "Бучанський р-н", "район Печерський").
bool namesItsKind(const QString &text, std::initializer_list<QStringView> words)
{
    for (QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts)) {
        while (word.endsWith(u'.') || word.endsWith(u','))
            word.chop(1);
        for (const QStringView kind : words) {
            if (word.compare(kind, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

bool namesDistrict(const QString &text)
{
    return namesItsKind(text, {u"район", u"р-н"});
}

bool namesRegion(const QString &text)
{
    return namesItsKind(text, {u"область", u"обл"});
}

QString fieldText(const QStringList &lines, qsizetype slot, qsizetype length, int field)
{
    return field < length ? textOf(lines.at(slot + field)) : QString();
}

} // namespace

QStringList recordLinesOf(const QString &text)
{
    QStringList lines;
    codepage::forEachLine(text, [&](qsizetype start, qsizetype end) {
        QString line = text.mid(start, end - start);
        if (!isBlankLine(line))
            lines.append(std::move(line));
    });
    return lines;
}

QStringList withoutBlankLines(QStringList lines)
{
    lines.removeIf(isBlankLine);
    return lines;
}

QList<qsizetype> recordStarts(const QStringList &lines)
{
    QList<qsizetype> starts;
    for (qsizetype slot = 0; slot < lines.size(); ++slot) {
        if (isNameLine(lines.at(slot)))
            starts.append(slot);
    }
    return starts;
}

QStringList namesOf(const QStringList &lines)
{
    QStringList names;
    for (const qsizetype slot : recordStarts(lines))
        names.append(listedName(lines.at(slot)));
    return names;
}

qsizetype recordLength(const QStringList &lines, qsizetype slot, int recordLines)
{
    qsizetype length = 1;
    while (length < recordLines && slot + length < lines.size() && !isNameLine(lines.at(slot + length)))
        ++length;
    return length;
}

QStringList shownFields(const QStringList &lines, qsizetype slot, int recordLines)
{
    const qsizetype length = recordLength(lines, slot, recordLines);
    QStringList fields;
    for (int field = 0; field < length; ++field) {
        QString text = fieldText(lines, slot, length, field);
        if (!text.isEmpty())
            fields.append(std::move(text));
    }
    return fields;
}

qsizetype findLast(const QStringList &lines, const QString &name)
{
    for (qsizetype slot = lines.size() - 1; slot >= 0; --slot) {
        const QString &line = lines.at(slot);
        if (isNameLine(line) && QStringView(line).mid(1, ListedNameLength) == name)
            return slot;
    }
    return -1;
}

QStringList recordFromBoxes(const QStringList &boxes)
{
    QStringList record;
    record.reserve(RecordLines);
    for (int field = 0; field < RecordLines; ++field) {
        const QString box = field < boxes.size() ? boxes.at(field) : QString();
        QString text = box;
        if (!box.isEmpty() && field == District && !namesDistrict(box))
            text += DistrictSuffix;
        else if (!box.isEmpty() && field == Region && !namesRegion(box))
            text += RegionSuffix;
        // A box holds more than it accepts only when it was filled from a longer line of the file;
        // such a text is written back whole.
        if (box.size() <= BoxLength)
            text.truncate(FieldLength);
        record.append((field == Name ? NameMarker : FieldMarker) + text);
    }
    return record;
}

QStringList boxesFromRecord(const QStringList &lines, qsizetype slot)
{
    const qsizetype length = recordLength(lines, slot);
    QStringList boxes;
    for (int field = 0; field < RecordLines; ++field) {
        QString text = fieldText(lines, slot, length, field);
        if (field == District && text.endsWith(DistrictSuffix))
            text.chop(DistrictSuffix.size());
        else if (field == Region && text.endsWith(RegionSuffix))
            text.chop(RegionSuffix.size());
        boxes.append(text);
    }
    return boxes;
}

} // namespace addressbook
