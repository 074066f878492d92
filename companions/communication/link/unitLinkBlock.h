// One block of the modem link: STX, sequence character, escaped data, ETB or
// ETX, LRC. Encoding, and a reader that takes the bytes as they come in.
#pragma once

#include <string>
#include <string_view>

namespace ModemLink {

// XOR of the bytes as sent between STX (exclusive) and the LRC.
char fnchLRC(std::string_view stBytes);

std::string fnstEscape(std::string_view stData);

// The bytes of one block; bFinal chooses ETX over ETB.
std::string fnstEncodeBlock(char chSequence, std::string_view stData, bool bFinal);

enum class TenuBlockEvent { None, Complete, BadLRC, BadFrame };

// Fed one byte at a time; bytes before STX are ignored, an STX inside a
// block starts the block again (the sender resynchronised).
class TclsBlockReader {
public:
    TenuBlockEvent fnenFeed(char chByte);
    bool fnbInBlock() const { return enState != TenuState::WaitSTX; }
    void pReset();

    // Valid after Complete.
    char fnchSequence() const { return chSequence; }
    bool fnbFinal() const { return bFinal; }
    const std::string &fnstData() const { return stData; }

private:
    enum class TenuState { WaitSTX, Sequence, Data, Escaped, LRC };
    TenuBlockEvent fnenFeedData(char chByte);

    TenuState enState = TenuState::WaitSTX;
    char chSequence = 0;
    char chLRC = 0;
    bool bFinal = false;
    std::string stData;
};

} // namespace ModemLink
