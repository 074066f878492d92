// One call of a host service over HTTP or HTTPS: settings, transfer, reply.
#pragma once

#include "MorvaneCommunication.h"

#include <cstddef>

// True when the host answered with a reply; recReply is filled then, cleared
// otherwise. Every step and every failure is logged.
bool fnbCallHTTPService(const char *pchRequest, size_t iRequestLength,
                        TrecSiteRegHTTPResp &recReply, bool bSSL, int iServiceNumber);
