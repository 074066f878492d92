// A stand-in auto-destination library for the reaction tests: it answers with
// the result, state and IATA code written in "autodestination_answer.txt" of
// the current directory (one per line) and writes the arguments it was given
// into "autodestination_call.txt", one per line.
#include "QuiloftAutodestination.h"

#include <cstdio>
#include <cstring>

namespace {
void pReadLine(std::FILE *pFile, char *pchBuffer, size_t iSize) {
    if (!std::fgets(pchBuffer, static_cast<int>(iSize), pFile))
        return;
    pchBuffer[std::strcspn(pchBuffer, "\r\n")] = '\0';
}
} // namespace

extern "C" void _fnstAutodestination(char *pchResult, size_t iResultSize,
                                     const char *pchCountryCode, const char *pchCity,
                                     const char *pchPostcode, char *pchState, size_t iStateSize,
                                     char *pchIATA, size_t iIATASize, const char *pchCountryName,
                                     const char *pchSenderName) {
    if (std::FILE *pCall = std::fopen("autodestination_call.txt", "w")) {
        std::fprintf(pCall, "%s\n%s\n%s\n%s\n%s\n%s\n%s\n%s\n", pchResult, pchCountryCode, pchCity,
                     pchPostcode, pchState, pchIATA, pchCountryName, pchSenderName);
        std::fclose(pCall);
    }
    if (std::FILE *pAnswer = std::fopen("autodestination_answer.txt", "r")) {
        pReadLine(pAnswer, pchResult, iResultSize);
        pReadLine(pAnswer, pchState, iStateSize);
        pReadLine(pAnswer, pchIATA, iIATASize);
        std::fclose(pAnswer);
    }
}
