// While a TclsFileSizeLimit lives, no file of this process may grow past a few
// bytes: every write beyond them fails as on a full disk (EFBIG, the signal
// that would end the process ignored). Logs, the database and its write-ahead
// log all fail alike; what the test keeps in memory does not.
#pragma once

#include <csignal>
#include <sys/resource.h>

class TclsFileSizeLimit {
public:
    TclsFileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &recBefore);
        pfnBefore = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit recTight{16, recBefore.rlim_max};
        setrlimit(RLIMIT_FSIZE, &recTight);
    }
    ~TclsFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &recBefore);
        std::signal(SIGXFSZ, pfnBefore);
    }
    TclsFileSizeLimit(const TclsFileSizeLimit &) = delete;
    TclsFileSizeLimit &operator=(const TclsFileSizeLimit &) = delete;

private:
    rlimit recBefore{};
    void (*pfnBefore)(int) = nullptr;
};
