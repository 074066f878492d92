/* The phone-number library's C interface (libLibphonenumberMorvane.so), loaded
 * by name at run time. Texts are zero-terminated 8-bit (UTF-8) strings.
 *
 * Every text the library returns lives in a buffer of the library's own, one per
 * entry point and per thread: it stays valid until the same entry point is
 * called again on the same thread. Callers copy it at once and never free it.
 * No entry point lets an exception out; a null argument reads as "". */
#ifndef LIBPHONENUMBER_MORVANE_H
#define LIBPHONENUMBER_MORVANE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Today's local date as "yyyy-mm-dd". */
typedef const char *(*TpfnGetToday)(void);

/* The part of a text that can be a phone number: from its first "+" or digit to
 * its last digit, cut before a second number ("/" or "\" followed by "x"). "" when
 * the text holds no digit. */
typedef const char *(*TpfnExtractPossibleNumber)(const char *pchText);

/* Reads a metadata file in libphonenumber's XML layout and notes the territories
 * it describes: their count, or -1 when the file cannot be read or is not such
 * a file. The numbering rules stay the ones compiled into the library. */
typedef int32_t (*TpfnBuildMetadataFromXml)(const char *pchPath);

/* Every calling code with its region: "<count>,<code>=<REGION>,..." ordered by
 * code, the code's main region first; non-geographic codes carry "001". */
typedef const char *(*TpfnGetCountryPrefixList)(void);

/* Checks a number for a calling code (region "ZZ") or for a region (code 0):
 * "OK" or "!OK" followed by ",,NationalNumber=...,CountryCode=...,
 * CountryCodeSource=...,NationalNumber=...,RegionCode=...,NumberType=...,
 * IsNANPA=TRUE|FALSE,SampleFormatFixed=...,SampleFormatMobile=...", or
 * "BAD NUMBER" when the text cannot be read as a number at all. */
typedef const char *(*TpfnValidatePhoneNumber)(const char *pchNumber, int32_t iCallingCode,
                                               const char *pchRegion);

const char *GetToday(void);
const char *ExtractPossibleNumber(const char *pchText);
int32_t BuildMetadataFromXml(const char *pchPath);
const char *GetCountryPrefixList(void);
const char *ValidatePhoneNumber(const char *pchNumber, int32_t iCallingCode, const char *pchRegion);

#ifdef __cplusplus
}
#endif

#endif
