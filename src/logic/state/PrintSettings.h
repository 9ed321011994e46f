#pragma once
// The working directory's settings that a print and the main window share, read into the shared
// state in one way: the envelope's size ("parfile"), its shape ("envtip") and the two fonts
// ("HomeFont", "AddrFont"). A failure names the file that failed.

#include "logic/files/IoError.h"

#include <QString>
#include <utility>

class SharedState;
class WorkDir;

// A file of the working directory that could not be read. message() is the reader's text as it
// was; fileName() says which file it was.
class WorkDirFileError : public IoError
{
public:
    WorkDirFileError(QString fileName, const QString &message)
        : IoError(message)
        , m_fileName(std::move(fileName))
    {
    }
    const QString &fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

// Runs `read` and returns its result; an IoError it throws comes back as a WorkDirFileError
// naming `fileName`.
template <typename Read> auto readingWorkDirFile(const QString &fileName, Read &&read)
{
    try {
        return std::forward<Read>(read)();
    } catch (const WorkDirFileError &) {
        throw;
    } catch (const IoError &e) {
        throw WorkDirFileError(fileName, e.message());
    }
}

// Reads the envelope's size and shape ("parfile", then "envtip") into `state`, then the fonts. The
// envelope is set once both of its files are read; the sender's font stays set when the
// recipient's fails. Throws WorkDirFileError, naming the first file that failed in that order.
void loadPrintSettings(const WorkDir &dir, SharedState &state);

// Reads the sender's and the recipient's fonts into `state`. Throws WorkDirFileError.
void loadPrintFonts(const WorkDir &dir, SharedState &state);
