#include "unitCallAbort.h"

#include <atomic>

namespace {
std::atomic<bool> gbAbort{false};
}

void pRequestAbort() {
    gbAbort.store(true);
}

void pClearAbort() {
    gbAbort.store(false);
}

bool fnbAbortRequested() {
    return gbAbort.load();
}
