// The status-line vocabulary: every line the library reports, as a resource
// string so that a language dictionary can replace what the user reads.
#include "unitCommStatusVocabulary.h"

#include "unitResourceStrings.h"

#include <array>

namespace {
// Lines shown whole.
constexpr std::array carrsWholeLines{
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Sending SYN")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Sending EOT")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending ENQ")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for ACK in response to ENQ")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received ACK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received NAK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--TimeOut Receiving ACK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for EOT/ENQ")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received EOT")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received ENQ")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending ACK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for STX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error receiving STX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Receiving data")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Timeout Receiving Data")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received ETX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received ETB")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received SUB")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for LRC")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error Receiving LRC")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Valid LRC : Sending ACK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error Sending ACK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--ACK Sent")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending NAK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error sending Packet")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending STX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending data")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending SUB")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error Sending ETX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--ETX Sent")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Error Sending ETB")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--ETB Sent")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for ENQ")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Received STX")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Waiting for ACK/NAK")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending EOT")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Sending LRC")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Send Packet")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Read Packet")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--SYN Received.")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "....Hung up")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Checksum Failure")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Setting modem to Command state...")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Going Online...")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Dialing Phone No")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Initializing Modem...")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Retrying...")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Connected to Zorv..")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Process Successful")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--Process NOT Successful")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Going Offline")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Modem is not available.")},
};

// Lines the library follows with the data it received.
constexpr std::array carrsLeadingLines{
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "--LRC Received :")},
    TResourceString{QT_TRANSLATE_NOOP("Morvane", "Expecting <ETX> Got <")},
};
} // namespace

QString fnstMapStatusLine(const QString &stLine) {
    for (const TResourceString &rs : carrsWholeLines)
        if (stLine == QLatin1String(rs.pchText))
            return fnstRS(rs);
    for (const TResourceString &rs : carrsLeadingLines)
        if (stLine.startsWith(QLatin1String(rs.pchText)))
            return fnstRS(rs) + stLine.mid(qsizetype(qstrlen(rs.pchText)));
    return stLine;
}
