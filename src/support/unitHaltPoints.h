// Named points in a sequence of writes where a test may stop the process, to
// kill it there and see what a crash at that point leaves behind. The process
// stops at the point the environment variable MORVANE_HALT_AT names: it
// prints "halted at NAME" on standard output and stops itself (SIGSTOP) until
// it is killed. Without the variable nothing happens.
#pragma once

void pHaltPoint(const char *pchName);
