#include "platform/InterruptCleanup.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int Slots = 4;
constexpr int PathBytes = 4096;
char paths[Slots][PathBytes];
// A slot is read by the handler only while its flag is set; the path is written before.
volatile std::sig_atomic_t used[Slots];

#ifdef Q_OS_UNIX
extern "C" void removeAndReraise(int sig)
{
    for (int i = 0; i < Slots; ++i) {
        if (used[i])
            unlink(paths[i]);
    }
    std::signal(sig, SIG_DFL);
    raise(sig); // delivered with the default action once the handler returns
}
#endif

} // namespace

void installInterruptCleanup()
{
#ifdef Q_OS_UNIX
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old
        {
        };
        sigaction(sig, nullptr, &old);
        if (old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action
        {
        };
        action.sa_handler = removeAndReraise;
        sigemptyset(&action.sa_mask);
        for (int other : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&action.sa_mask, other);
        sigaction(sig, &action, nullptr);
    }
#endif
}

void RemovedOnInterrupt::set(const QString &path)
{
    clear();
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || bytes.size() >= PathBytes)
        return;
    for (int i = 0; i < Slots; ++i) {
        if (!used[i]) {
            std::memcpy(paths[i], bytes.constData(), size_t(bytes.size()) + 1);
            std::atomic_signal_fence(std::memory_order_seq_cst); // the path is whole before the flag
            used[i] = 1;
            m_slot = i;
            return;
        }
    }
}

void RemovedOnInterrupt::clear()
{
    if (m_slot >= 0) {
        used[m_slot] = 0;
        std::atomic_signal_fence(std::memory_order_seq_cst);
    }
    m_slot = -1;
}
