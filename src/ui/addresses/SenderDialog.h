#pragma once
// The sender information window: the sender's block of a group mailing, kept in "user.txt" exactly
// as the text of its box (code page 1251, CR LF between lines, no line break added at the end).
// Shown modally from the main window and beside the address book window from there.

#include <QDialog>

struct AppContext;
class QPlainTextEdit;

class SenderDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SenderDialog(AppContext &ctx, QWidget *parent = nullptr);

    QPlainTextEdit *senderBox() const { return m_senderBox; }
    // The text of the box, lines separated by LF.
    QString text() const;

    static inline const QString FileName = QStringLiteral("user.txt");
    // The text of the box for the bytes of the file: lone LF or CR, and CR LF, are line breaks.
    static QString boxText(const QString &fileText);
    // The text of the file for the text of the box: CR LF between lines.
    static QString fileText(const QString &boxText);

public slots:
    // "Сохранить": the text of the box into "user.txt".
    void save();
    // "Очистить": empties the box; the file stays as it is.
    void clearText();

private:
    // The text of "user.txt" into the box (a failure is reported and leaves the box empty).
    void load();

    AppContext &m_ctx;
    QPlainTextEdit *m_senderBox = nullptr;
};
