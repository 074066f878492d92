// The status lines the communication library reports during a modem call. The
// library writes fixed English texts; the status windows show each recognised
// line in the user's language and any other line as it came.
#pragma once

#include <QString>

// The line in the user's language; an unrecognised line unchanged. Lines the
// library follows with data ("--LRC Received :", "Expecting <ETX> Got <")
// are recognised by their start and keep the data after it.
QString fnstMapStatusLine(const QString &stLine);
