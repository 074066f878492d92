/* The postcode-cleaning library's interface (libQuiloftPostcodeCleaningDLL.so),
 * plain C so that the library and the wizard share it across a dlopen
 * boundary.
 *
 * Texts are NUL-terminated UTF-8. The result and the postcode are buffers of
 * the caller with their sizes: the library writes into them, never past the
 * size, always terminated, and allocates nothing the caller must free. The
 * caller presets the result buffer ("NO_ERROR"); the library leaves it as it
 * is when it has no postcode formats to judge by. */
#ifndef QUILOFT_POSTCODE_CLEANING_H
#define QUILOFT_POSTCODE_CLEANING_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    PC_RESULT_TEXT = 256, /* the result buffer the wizard passes */
    PC_POSTCODE_TEXT = 64 /* the postcode buffer the wizard passes */
};

/* pchPostcode holds the typed postcode and receives the cleaned one.
 * pchReserved is passed empty and not read. */
typedef void (*TpfnPostcodeCleaning)(char *pchResult, size_t iResultSize, char *pchPostcode,
                                     size_t iPostcodeSize, const char *pchCountryCode,
                                     const char *pchCity, const char *pchReserved);

void _fnstPostcodeCleaning(char *pchResult, size_t iResultSize, char *pchPostcode,
                           size_t iPostcodeSize, const char *pchCountryCode, const char *pchCity,
                           const char *pchReserved);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* QUILOFT_POSTCODE_CLEANING_H */
