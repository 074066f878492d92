// One form POST to a host service with libcurl. An abort asked for while it
// runs stops it at its next progress report (about once a second while it waits).
#pragma once

#include "unitHTTPCallSettings.h"

#include <QByteArray>

#include <cstddef>

// The most of a reply the library reads: a registration reply is a few hundred
// bytes, so anything near this is not the host's answer.
inline constexpr qsizetype ciMaxReplySize = 64 * 1024;

struct TrecHTTPPostResult {
    bool bTransferred = false; // the host answered (whatever the status)
    long iStatus = 0;
    QByteArray baBody;
    QString stError; // libcurl's own words when the transfer failed
};

TrecHTTPPostResult fnrecHTTPPost(const TrecHTTPCallSettings &recSettings, const char *pchBody,
                                 size_t iLength);
