// The control characters of the modem link, shared by the library and the
// carrier host so that both read the same bytes.
#pragma once

namespace ModemLink {

inline constexpr char kchSTX = 0x02;
inline constexpr char kchETX = 0x03;
inline constexpr char kchEOT = 0x04;
inline constexpr char kchENQ = 0x05;
inline constexpr char kchACK = 0x06;
inline constexpr char kchDLE = 0x10;
inline constexpr char kchNAK = 0x15;
inline constexpr char kchETB = 0x17;

// A data byte that could be mistaken for framing goes as DLE and the byte
// with this bit flipped, so the header's FS and GS still pass unchanged.
inline constexpr char kchEscapeBit = 0x40;

// Message bytes per block, before escaping; small enough that a resend
// after line noise costs little.
inline constexpr int kiBlockData = 256;

} // namespace ModemLink
