// The registration reply as it travels over the modem link: "REGP", the
// 16-character site ID, then the range and pickup fields, each ended by FS.
// The host writes it, the library reads it into the caller's reply record.
#pragma once

#include "MorvaneCommunication.h"

#include <string>
#include <string_view>
#include <vector>

namespace ModemLink {

inline constexpr char kchFS = 0x1c;

// Shipment status, low, high, date (ddmmyyyy or empty); LP status, low, high;
// pickup status, address lines 1 to 3, city, postcode, country code.
inline constexpr std::size_t kiReplyFields = 14;

// stSiteId is padded or cut to 16 characters; missing fields go empty.
std::string fnstEncodeRegistrationReply(std::string_view stSiteId,
                                        const std::vector<std::string> &vecFields);

// Fills the range and pickup blocks of recReply and copies the message into
// its message data buffer (cut to the buffer's capacity). False, and the
// blocks left cleared, when the text is not a registration reply.
bool fnbFillReplyRecord(std::string_view stMessage, TrecMessageHeaderStructure &recReply);

} // namespace ModemLink
