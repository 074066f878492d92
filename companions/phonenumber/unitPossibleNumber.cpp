// Cutting a phone number out of a text the way libphonenumber's parser does
// before it reads the digits: leading words and punctuation go, trailing
// punctuation goes, and a second number written after "/x" or "\x" is dropped.
#include "unitPossibleNumber.h"

#include <cctype>

namespace {
bool fnbDigit(char ch) {
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

// Where a second number begins: a slash or backslash, blanks, then "x".
size_t fniSecondNumberStart(const std::string &st) {
    for (size_t i = 0; i < st.size(); ++i) {
        if (st[i] != '/' && st[i] != '\\')
            continue;
        size_t j = i + 1;
        while (j < st.size() && st[j] == ' ')
            ++j;
        if (j < st.size() && (st[j] == 'x' || st[j] == 'X'))
            return i;
    }
    return std::string::npos;
}
} // namespace

std::string fnstExtractPossibleNumber(const std::string &stText) {
    size_t iStart = 0;
    while (iStart < stText.size() && stText[iStart] != '+' && !fnbDigit(stText[iStart]))
        ++iStart;
    if (iStart == stText.size())
        return {};
    std::string st = stText.substr(iStart);
    size_t iEnd = st.size();
    while (iEnd > 0 && !fnbDigit(st[iEnd - 1]) && st[iEnd - 1] != '#')
        --iEnd;
    st.resize(iEnd);
    if (const size_t iSecond = fniSecondNumberStart(st); iSecond != std::string::npos)
        st.resize(iSecond);
    while (!st.empty() && !fnbDigit(st.back()) && st.back() != '#')
        st.pop_back();
    return st;
}
