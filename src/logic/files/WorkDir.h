#pragma once
// The working directory: every file of the program is opened by its bare name here.
//
// Names are matched without regard to case ("book.txt" finds an existing "Book.txt"). One rule
// turns a name into one entry of the folder, for reading, writing, appending and existence checks
// alike: the entry spelt exactly as the name wins; else, of the entries that differ from it only
// in case, the first in byte order of their names; else the name as written (a new file is
// created under it). Text files are code page 1251 with CR LF (reading also accepts lone LF or
// CR). Settings files are typed records read as first or last record. Every write replaces the
// file atomically through QSaveFile, so a failed write leaves the old file whole and a reader
// never sees half a file. Every write holds the lock of the folder (WorkDir::Lock), and a
// read-modify-write holds it from the read to the write, so that two copies of the program do not
// lose each other's changes. Failures throw IoError.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>

enum class TextEncoding { Cp1251, Utf8 };

class WorkDir
{
public:
    explicit WorkDir(QString root);
    ~WorkDir();

    const QString &root() const { return m_root; }

    // Name of the lock file in the folder, held while a copy of the program changes a file.
    static const QString LockFileName;
    // How long a change waits for another copy of the program to let go of the folder.
    static constexpr std::chrono::milliseconds DefaultLockWait{5000};

    // Holds the lock of the folder while it lives; nested locks of one WorkDir share one hold.
    // Throws IoError, naming the folder and the lock file, when another copy holds the lock for
    // longer than the wait, or when the lock file cannot be made.
    class Lock
    {
    public:
        // forFile: the file to be changed, named in the messages when given.
        explicit Lock(const WorkDir &dir, const QString &forFile = QString());
        ~Lock();
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

    private:
        const WorkDir &m_dir;
    };
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    // Reference data that a working directory may lack (files the program reads and never
    // writes): a name of `names` that the folder has no file for is read from `folder` (the
    // installed defaults). A copy in the working directory wins.
    void setReferenceFallback(const QString &folder, const QStringList &names);

    // Full path of the entry that the bare name denotes (see the rule above), or of its reference
    // copy when the folder has no such file.
    QString path(const QString &name) const;
    // Whether the name denotes a file (a folder or a broken link is not one).
    bool exists(const QString &name) const;
    // Removes the file that the name denotes; true if there was one.
    bool remove(const QString &name) const;

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

    // UTF-8 text is written and read without the byte-order marks it starts with.
    static QByteArray encode(const QString &text, TextEncoding enc, const QString &fileName);
    static QString decode(const QByteArray &bytes, TextEncoding enc);

    // Why the entry at path cannot be read as a file, or an empty text when nothing is known
    // against it: "File not found", "<path>: is a folder, not a file", "<path>: broken link to
    // <target>".
    static QString unusableReason(const QString &path);

private:
    // The folder's own entry for the name, where a write goes.
    QString ownPath(const QString &name) const;

    struct LockState;
    QString m_root;
    QString m_referenceFolder;
    QStringList m_referenceNames;
    std::chrono::milliseconds m_lockWait = DefaultLockWait;
    std::shared_ptr<LockState> m_lock;
};
