// The ways the host's modem can be told to fail a call, so the site's
// handling of a bad line can be tried; the HTTP side has its own.
#pragma once

#include "UnitFailureSwitch.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class TenumModemFailure {
    None,
    Busy,          // the dial is answered BUSY
    NoAnswer,      // the dial is answered NO ANSWER after a while
    NoCarrier,     // the dial is answered NO CARRIER: the far end picked up, no modem answered
    NoDialTone,    // the dial is answered NO DIALTONE: the line is dead
    DialError,     // the dial is answered ERROR: the modem refused the command
    Drop,          // the line drops half-way through the reply's first block
    CorruptOnce,   // the reply's first block goes once with a wrong LRC
    CorruptAlways, // every block of the reply goes with a wrong LRC, resends too
    WrongAnswer,   // the answer is a message that is no registration reply
    Silent,        // the request is taken and no reply follows until the caller hangs up
};

// "busy", "no-answer", "no-carrier", "no-dialtone", "dial-error",
// "drop", "corrupt-once", "corrupt-always",
// "wrong-answer", "silent".
std::optional<TenumModemFailure> fnenModemFailure(const QString &stName);
QString fnstModemFailureName(TenumModemFailure en);
QStringList fnslModemFailureNames();
