// Holding a request's connection without answering, for the "hang" failure:
// cpp-httplib writes a response after every handler, so the handler finds
// the request's socket itself, waits, and shuts the socket down; the
// response written afterwards goes nowhere and the connection ends without
// a byte of answer.
#pragma once

#include <httplib.h>

#include <atomic>

// The accepted socket a request arrived on, or -1.
int fniConnectionSocket(const httplib::Request &req);

// Waits until the client closes its end, iLimitSeconds pass or bStopping is
// set, then shuts the socket down in both directions.
void pHoldConnection(int iSocket, int iLimitSeconds, const std::atomic<bool> &bStopping);
