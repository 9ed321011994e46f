#pragma once
// Files that must not outlive an interrupted process: a PDF being written beside its target, the
// temporary document of a job. While such a file is registered, an interrupt (SIGINT, SIGTERM,
// SIGHUP) removes it before the process ends by that signal, once installInterruptCleanup() has
// set the handlers (veltora-batch does; the windows, which are not interrupted that way, do not).
// The handler only unlinks paths kept in static buffers and re-raises the signal with the default
// action: nothing that is not async-signal-safe. Nothing happens on systems without these signals.

#include <QString>

// Sets the handlers of SIGINT, SIGTERM and SIGHUP; those ignored when the process started stay
// ignored (nohup).
void installInterruptCleanup();

// Registers one file while it lives (or until clear()).
class RemovedOnInterrupt
{
public:
    RemovedOnInterrupt() = default;
    ~RemovedOnInterrupt() { clear(); }
    RemovedOnInterrupt(const RemovedOnInterrupt &) = delete;
    RemovedOnInterrupt &operator=(const RemovedOnInterrupt &) = delete;

    // Registers `path` in place of the file registered before. A path too long for the buffers, or
    // more files than there are buffers, is not registered.
    void set(const QString &path);
    void clear();

private:
    int m_slot = -1;
};
