#pragma once
// The state that the windows share: the chosen envelope, the preview's nudges and position, the
// two print fonts, the main window's font, the group mailing's data and the recipient details box.
// One object, owned by the application and passed by reference. Every field has one unit, and
// every change emits the field's signal by itself, so windows that show a part of it only listen.

#include "logic/files/SettingsFiles.h"
#include "logic/mailing/MailingData.h"

#include <QFont>
#include <QObject>
#include <QStringList>

// The preview's nudges of the two blocks, in steps: one step is one pixel of the preview picture
// and 2 mm on paper. X grows to the right, Y downwards.
struct BlockShifts
{
    int homeX = 0, homeY = 0, addrX = 0, addrY = 0;
    bool operator==(const BlockShifts &) const = default;
};

class SharedState : public QObject
{
    Q_OBJECT
public:
    explicit SharedState(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    // The chosen envelope: its shape and its size in millimetres (width the long side, height the
    // short side).
    EnvelopeShape envelopeShape() const { return m_envelopeShape; }
    int envelopeWidth() const { return m_envelopeWidth; }
    int envelopeHeight() const { return m_envelopeHeight; }
    // Announces the envelope even when it is the one already chosen: a window that shows it
    // shows it anew.
    void setEnvelope(EnvelopeShape shape, int widthMm, int heightMm)
    {
        m_envelopeShape = shape;
        m_envelopeWidth = widthMm;
        m_envelopeHeight = heightMm;
        emit envelopeChanged();
    }
    // Only the size, for a size read on its own (the shape keeps its value).
    void setEnvelopeSize(int widthMm, int heightMm) { setEnvelope(m_envelopeShape, widthMm, heightMm); }

    // The preview's nudges; memory only, every later print applies them.
    const BlockShifts &shifts() const { return m_shifts; }
    void setShifts(const BlockShifts &shifts)
    {
        if (shifts == m_shifts)
            return;
        m_shifts = shifts;
        emit shiftsChanged();
    }

    // The mailing-list entry that the preview shows, zero-based.
    int previewIndex() const { return m_previewIndex; }
    void setPreviewIndex(int index)
    {
        if (index == m_previewIndex)
            return;
        m_previewIndex = index;
        emit previewIndexChanged();
    }

    // The fonts of the sender and the recipient blocks ("HomeFont", "AddrFont").
    const FontSetting &senderFont() const { return m_senderFont; }
    const FontSetting &recipientFont() const { return m_recipientFont; }
    void setSenderFont(const FontSetting &font)
    {
        m_senderFont = font;
        emit printFontsChanged();
    }
    void setRecipientFont(const FontSetting &font)
    {
        m_recipientFont = font;
        emit printFontsChanged();
    }

    // The main window's font: the boxes whose lines the prints take wrap their text in it.
    const QFont &mainFont() const { return m_mainFont; }
    void setMainFont(const QFont &font) { m_mainFont = font; }

    // The group mailing's source, book and records. Changes to the list go through the functions
    // below, which announce them.
    const MailingData &mailing() const { return m_mailing; }
    MailingData &mailing() { return m_mailing; }

    // The mailing list: entry k is envelope number k + 1.
    const QStringList &mailingList() const { return m_mailingList; }
    void setMailingList(const QStringList &list)
    {
        m_mailingList = list;
        emit mailingListChanged();
    }
    void appendToMailingList(const QString &entry)
    {
        m_mailingList.append(entry);
        emit mailingListChanged();
    }
    void clearMailingList() { setMailingList({}); }

    // The recipient details box of the group mailing window: the lookup, the prints and the preview fill it.
    const QStringList &recipientDetails() const { return m_recipientDetails; }
    void setRecipientDetails(const QStringList &lines)
    {
        m_recipientDetails = lines;
        emit recipientDetailsChanged();
    }
    // The recipient lookup for mailing-list entry index; on a match the details box shows the record.
    // Returns false when nothing matches (the box keeps its lines) or the index is outside the list.
    bool lookupRecipient(int index, bool putEntryFirst = true)
    {
        if (index < 0 || index >= m_mailingList.size())
            return false;
        auto record = m_mailing.lookupEntry(m_mailingList.at(index), putEntryFirst);
        if (!record)
            return false;
        setRecipientDetails(*record);
        return true;
    }

signals:
    void envelopeChanged();
    void shiftsChanged();
    void previewIndexChanged();
    void printFontsChanged();
    void mailingListChanged();
    void recipientDetailsChanged();

private:
    EnvelopeShape m_envelopeShape = EnvelopeShape::None;
    int m_envelopeWidth = 0;
    int m_envelopeHeight = 0;
    BlockShifts m_shifts;
    int m_previewIndex = 0;
    FontSetting m_senderFont;
    FontSetting m_recipientFont;
    QFont m_mainFont;
    MailingData m_mailing;
    QStringList m_mailingList;
    QStringList m_recipientDetails;
};
