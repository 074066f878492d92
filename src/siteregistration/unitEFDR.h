// The two forms of a message to the carrier's host: the modem message (header,
// GS, the file's bytes, GS) and the HTTP form body (msg_type, msg_hdr, msg_bdy).
#pragma once

#include <QByteArray>
#include <QString>

inline constexpr char cchFS = 0x1C; // field separator
inline constexpr char cchGS = 0x1D; // group separator

// The header, then GS unless it ends with one, the file's bytes, GS; an empty
// file gives the header (with its GS) alone. False when the file cannot be read.
bool fnbGenMessageString(const QString &stFileName, QByteArray &baMessage,
                         const QByteArray &baHeader);
// "msg_type=0&msg_hdr=" + encoded header + "&msg_bdy=" + encoded file.
bool fnbGenMessageStringForHTTP(const QString &stFileName, QByteArray &baMessage,
                                const QByteArray &baHeader);
// Letters and digits stay; every other byte becomes "%" and two upper-case hex digits.
QByteArray fnstURLEncode(const QByteArray &baText);
