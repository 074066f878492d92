// The header the client puts in front of the site information file:
//   REGR SiteRegs.txt FS FS FS FS 1 1 <size> FS DDMMYYYY 0
// (no separators besides the FS bytes). Only registrations are served here.
#pragma once

#include <QByteArray>
#include <QString>

// An empty text when the header announces a registration carrying exactly
// iBodyLength bytes; otherwise why it was refused, for the reply and the log.
QString fnstCheckRegistrationHeader(const QByteArray &baHeader, qsizetype iBodyLength);
