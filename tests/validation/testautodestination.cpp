// A stand-in auto-destination library for the reaction tests: it answers with
// the result, state and IATA code written in "autodestination_answer.txt" of
// the current directory (one per line) and writes the arguments it was given
// into "autodestination_call.txt", one per line.
#include "QuiloftAutodestination.h"

#include <cstdio>
#include <cstring>
#include <utility>

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
        for (const auto &[pch, iSize] :
             {std::pair{pchResult, iResultSize}, std::pair{pchState, iStateSize},
              std::pair{pchIATA, iIATASize}})
            if (std::fgets(pch, static_cast<int>(iSize), pAnswer))
                pch[std::strcspn(pch, "\r\n")] = '\0';
        std::fclose(pAnswer);
    }
}
