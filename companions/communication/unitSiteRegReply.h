// The host's registration reply: an application/x-www-form-urlencoded body read
// into the caller's reply record.
#pragma once

#include "MorvaneCommunication.h"

#include <QByteArray>
#include <QString>

// Fills recReply (cleared first) from the body. Returns an empty text when the
// body is a reply, else why it is not: a pair without "=", a malformed or NUL
// percent escape, a byte that has no place in a form body, a field given twice,
// or no msg_code. Unknown fields are skipped; every value is cut to its field's
// width, at a character boundary when the value is UTF-8.
QString fnstReadSiteRegReply(const QByteArray &baBody, TrecSiteRegHTTPResp &recReply);
