#pragma once
// What every fuzz target shares: one temporary working directory per process, the input written
// into it under a file's name, the input as text, and a check that stops the run with a message.
//
// A reader may refuse its input with the program's own errors (IoError, ConversionError,
// TableError: all AppError); the targets catch those. Anything else -- a crash, a sanitizer report,
// another exception, or a failed FUZZ_CHECK -- is a finding.

#include "logic/files/WorkDir.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// The working directory of this process: a temporary folder made on first use.
const WorkDir &workDir();

// Writes bytes to the named file of the working directory (replacing it).
void putFile(const QString &name, const QByteArray &bytes);
// Removes the named file when it is there.
void removeFile(const QString &name);

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The input taken as UTF-8 text (what a user types or pastes).
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Prints the failed condition and aborts, so that libFuzzer keeps the input.
[[noreturn]] void checkFailed(const char *condition, const char *file, int line, const QString &detail);

// Makes the Qt GUI application (offscreen) that font metrics and text layout need.
void ensureGuiApplication();

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                                               \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::fuzz::checkFailed(#cond, __FILE__, __LINE__, QString());                                                 \
    } while (false)

#define FUZZ_CHECK_MSG(cond, detail)                                                                                   \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::fuzz::checkFailed(#cond, __FILE__, __LINE__, (detail));                                                  \
    } while (false)
