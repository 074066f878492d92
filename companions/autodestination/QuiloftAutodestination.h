/* The auto-destination library's interface (libQuiloftAutodestination.so),
 * plain C so that the library and the wizard share it across a dlopen
 * boundary.
 *
 * Texts are NUL-terminated UTF-8. The result, the state and the IATA code are
 * buffers of the caller with their sizes: they carry the caller's values in
 * and the library's answers out, never written past the size, always
 * terminated. The caller presets the result buffer ("No Error"). The library
 * reads the installation's database through the process's database library
 * connection, which the caller has opened. */
#ifndef QUILOFT_AUTODESTINATION_H
#define QUILOFT_AUTODESTINATION_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    AD_RESULT_TEXT = 256, /* the result buffer the wizard passes */
    AD_STATE_TEXT = 64,   /* the state buffer (a state is up to 35 characters) */
    AD_IATA_TEXT = 8      /* the IATA buffer (a code is 3 characters) */
};

typedef void (*TpfnAutodestination)(char *pchResult, size_t iResultSize, const char *pchCountryCode,
                                    const char *pchCity, const char *pchPostcode, char *pchState,
                                    size_t iStateSize, char *pchIATA, size_t iIATASize,
                                    const char *pchCountryName, const char *pchSenderName);

void _fnstAutodestination(char *pchResult, size_t iResultSize, const char *pchCountryCode,
                          const char *pchCity, const char *pchPostcode, char *pchState,
                          size_t iStateSize, char *pchIATA, size_t iIATASize,
                          const char *pchCountryName, const char *pchSenderName);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* QUILOFT_AUTODESTINATION_H */
