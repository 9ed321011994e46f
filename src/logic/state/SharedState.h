#pragma once
// The state that the windows share: envelope type and size, block anchors and shifts, the preview
// index, the two font settings, the main window's font and the mailing data. One object, owned by
// the application and passed by reference; windows that show part of it listen to its signals.

#include "logic/files/SettingsFiles.h"
#include "logic/mailing/MailingData.h"

#include <QFont>
#include <QObject>
#include <QStringList>

class SharedState : public QObject
{
    Q_OBJECT
public:
    explicit SharedState(QObject *parent = nullptr) : QObject(parent) {}

    qint32 EnvType = 0;   // 1 standard, 2 long, 3 square
    qint32 EnvHeight = 0; // millimetres, the short side
    qint32 EnvWidth = 0;  // millimetres, the long side

    // Block anchors: preview pixels while the preview draws, printer units while a print runs.
    qint32 HomeX = 0, HomeY = 0, AddrX = 0, AddrY = 0;
    // The preview's nudges, in steps (1 preview pixel, 2 mm on paper); memory only.
    qint32 HomeShiftX = 0, HomeShiftY = 0, AddrShiftX = 0, AddrShiftY = 0;
    qint32 PreviewIndex = 0;

    TFontSetting HomeFontSetting; // sender block
    TFontSetting AddrFontSetting; // recipient block

    QFont mainFont; // the main window's font (wrapping of the sender file's lines)

    MailingData mailing;

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
        if (index < 0 || index >= mailing.mailingList.size())
            return false;
        auto record = mailing.lookupEntry(mailing.mailingList.at(index), putEntryFirst);
        if (!record)
            return false;
        setRecipientDetails(*record);
        return true;
    }
    void notifyMailingListChanged() { emit mailingListChanged(); }

signals:
    void recipientDetailsChanged();
    void mailingListChanged();

private:
    QStringList m_recipientDetails;
};
