// A stand-in auto-destination library: answers with the result, state and IATA
// lines of ./autodestination_answer.txt and writes its arguments, one a line,
// into ./autodestination_call.txt.
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
