#pragma once
// The working directory: every file of the program is opened by its bare name here.
//
// Names are matched without regard to case ("book.txt" finds an existing "Book.txt"); a file that
// does not exist is created under the name as written. Text files are code page 1251 with CR LF
// (reading also accepts lone LF or CR). Settings files are typed records read as first or last
// record. Every write replaces the file atomically through QSaveFile, so a failed write leaves
// the old file whole. Failures throw IoError.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class TextEncoding { Cp1251, Utf8 };

class WorkDir
{
public:
    explicit WorkDir(QString root);

    const QString &root() const { return m_root; }

    // Full path of the file that the bare name denotes (an existing file of any case, else the name as written).
    QString path(const QString &name) const;
    bool exists(const QString &name) const;

    QByteArray readBytes(const QString &name) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;

    // Typed records of a fixed width.
    QByteArray readFirstRecord(const QString &name, int width) const;
    QByteArray readLastRecord(const QString &name, int width) const;
    void writeRecord(const QString &name, const QByteArray &record) const { writeBytes(name, record); }

    // Text files.
    QString readText(const QString &name, TextEncoding enc = TextEncoding::Cp1251) const;
    QStringList readLines(const QString &name, TextEncoding enc = TextEncoding::Cp1251) const;
    // Writes the text as it stands (line breaks are the caller's).
    void writeText(const QString &name, const QString &text, TextEncoding enc = TextEncoding::Cp1251) const;
    // Writes every line followed by CR LF.
    void writeLines(const QString &name, const QStringList &lines, TextEncoding enc = TextEncoding::Cp1251) const;
    // Adds lines (each followed by CR LF) to the end of the file, replacing it atomically.
    // A missing file is an error unless createIfMissing.
    void appendLines(const QString &name, const QStringList &lines, bool createIfMissing = false) const;

    // Reads a list file as the runtime's string lists load it: a missing file gives the
    // cannot-open-file error that names the full path and the system's reason.
    QStringList loadLines(const QString &name, TextEncoding enc = TextEncoding::Cp1251) const;
    QString loadText(const QString &name, TextEncoding enc = TextEncoding::Cp1251) const;

    static QByteArray encode(const QString &text, TextEncoding enc, const QString &fileName);
    static QString decode(const QByteArray &bytes, TextEncoding enc);

private:
    QString m_root;
};
