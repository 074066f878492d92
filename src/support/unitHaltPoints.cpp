// The test halt points.
#include "unitHaltPoints.h"

#include <QByteArray>

#include <csignal>
#include <cstdio>
#include <cstdlib>

void pHaltPoint(const char *pchName) {
    static const QByteArray baHaltAt = qgetenv("MORVANE_HALT_AT");
    if (baHaltAt.isEmpty() || baHaltAt != pchName)
        return;
    std::printf("halted at %s\n", pchName);
    std::fflush(stdout);
    std::raise(SIGSTOP);
}
