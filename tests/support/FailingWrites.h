#pragma once
// Makes every file write of this process fail once a file grows past a few bytes, as a full disk
// would, for as long as the object lives. Works for root too, unlike a read-only folder.

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

class FailingWrites
{
public:
    static constexpr bool supported = true;
    explicit FailingWrites(rlim_t bytes = 16)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FailingWrites() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FailingWrites(const FailingWrites &) = delete;
    FailingWrites &operator=(const FailingWrites &) = delete;

private:
    rlimit m_old{};
};
#else
class FailingWrites
{
public:
    static constexpr bool supported = false;
};
#endif
