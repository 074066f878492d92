/* The communication library's interface: the records exchanged with it and its
 * entry points, as plain C so that the library (libMorvaneCommunication.so) and
 * the wizard share them across a dlopen boundary.
 *
 * The records keep the field order of the client's 32-bit records; texts that
 * were short strings there are length-prefixed fixed texts here, the other
 * texts fixed, NUL-terminated character arrays, and the message data a
 * pointer with its length and the capacity of the buffer behind it. Buffers
 * always belong to the caller: the library writes into them and allocates
 * nothing the caller must free. The layout is pinned below. */
#ifndef MORVANE_COMMUNICATION_H
#define MORVANE_COMMUNICATION_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A short text: a length byte and up to N characters (no terminator). */
typedef struct {
    uint8_t iLength;
    char achText[4];
} TShortText4;
typedef struct {
    uint8_t iLength;
    char achText[8];
} TShortText8;
typedef struct {
    uint8_t iLength;
    char achText[16];
} TShortText16;

enum {
    MV_RANGE_TEXT = 40,   /* range bounds: a prefix of 4 and a number of up to 35 */
    MV_STATUS_TEXT = 8,   /* "0" = allocated / known */
    MV_ADDRESS_TEXT = 64, /* address lines and city */
    MV_POSTCODE_TEXT = 16,
    MV_COUNTRY_TEXT = 8,
    MV_RESULT_TEXT = 256 /* the result text buffer every call gets */
};

/* A number range the host allocates. */
typedef struct TrecAwbLPRange {
    char achRangeType[MV_RANGE_TEXT];
    char achLowerBound[MV_RANGE_TEXT];
    char achUpperBound[MV_RANGE_TEXT];
    char achStatus[MV_STATUS_TEXT];
    TShortText8 shtAllocationDate; /* ddmmyyyy; "       0" when there is none */
} TrecAwbLPRange;

/* The pickup address the host knows for the site. */
typedef struct TrecRegistrationPickupResponse {
    char achStatus[MV_STATUS_TEXT];
    char achAddress1[MV_ADDRESS_TEXT];
    char achAddress2[MV_ADDRESS_TEXT];
    char achAddress3[MV_ADDRESS_TEXT];
    char achCity[MV_ADDRESS_TEXT];
    char achPostcode[MV_POSTCODE_TEXT];
    char achCountryCode[MV_COUNTRY_TEXT];
} TrecRegistrationPickupResponse;

/* The message data of a modem exchange record: the request's message string,
 * or the buffer the host's answer is written into (iLength set, never more
 * than iCapacity). */
typedef struct TrecMessageData {
    char *pchData;
    uint32_t iLength;
    uint32_t iCapacity;
} TrecMessageData;

/* One modem exchange record; the blocks site registration does not use are
 * exchanged zeroed. */
typedef struct TrecMessageHeaderStructure {
    TShortText4 shtMessageCode; /* "REGR" in a registration request */
    uint16_t iMessageVersion;   /* 16 in a request */
    uint8_t iMessageFlag;       /* 0 in a request */
    uint8_t abFileTransferServiceHeader[40];
    uint8_t abElectronicMessageReceived[184];
    uint8_t abSWUpgradeServiceHeader[28];
    TrecMessageData recMessageData; /* the answer begins "REGP" and the 16-character site ID */
    uint8_t abSchedulePickupRequest[92];
    uint8_t abSchedulePickupResponse[32];
    TrecAwbLPRange recShipmentRange;
    TrecAwbLPRange recLPRange;
    TrecRegistrationPickupResponse recPickup;
    struct TrecMessageHeaderStructure *pNext; /* next record of a chain; NULL for none */
} TrecMessageHeaderStructure;

/* The host's answer to a registration over HTTP or HTTPS. */
typedef struct TrecSiteRegHTTPResp {
    TShortText4 shtMessageCode; /* "REGP" */
    TShortText16 shtSiteId;
    char achShipmentStatus[MV_STATUS_TEXT];
    char achShipmentLowerBound[MV_RANGE_TEXT];
    char achShipmentUpperBound[MV_RANGE_TEXT];
    TShortText8 shtAllocationDate; /* ddmmyyyy */
    char achLPStatus[MV_STATUS_TEXT];
    char achLPLowerBound[MV_RANGE_TEXT];
    char achLPUpperBound[MV_RANGE_TEXT];
    char achPickupStatus[MV_STATUS_TEXT];
    char achPickupAddress1[MV_ADDRESS_TEXT];
    char achPickupAddress2[MV_ADDRESS_TEXT];
    char achPickupAddress3[MV_ADDRESS_TEXT];
    char achPickupCity[MV_ADDRESS_TEXT];
    char achPickupPostcode[MV_POSTCODE_TEXT];
    char achPickupCountryCode[MV_COUNTRY_TEXT];
} TrecSiteRegHTTPResp;

/* The status callback: one status line of a modem call; its result is the
 * wizard's. The window callback brings up the status windows. */
typedef int (*TpfnStatusCallback)(const char *pchStatusLine);
typedef void (*TpfnWindowCallback)(void);

/* Entry points. The result text ("SUCCESS", or what went wrong) is written,
 * NUL-terminated, into pchResult of iResultSize bytes. */
typedef void (*TpfnCommViaModem)(char *pchResult, size_t iResultSize,
                                 TrecMessageHeaderStructure *pRequest,
                                 TrecMessageHeaderStructure *pReply, TpfnStatusCallback pfnStatus,
                                 TpfnWindowCallback pfnWindow);
/* pchRequest/iRequestLength: the form body. iSSL: 0 HTTP, 1 HTTPS. */
typedef void (*TpfnCommViaHTTPServices)(char *pchResult, size_t iResultSize, const char *pchRequest,
                                        size_t iRequestLength, TrecSiteRegHTTPResp *pReply,
                                        int iSSL, int iServiceNumber, const char *pchExtra);
typedef void (*TpfnSetAbort)(void);

void fnstCommViaModem(char *pchResult, size_t iResultSize, TrecMessageHeaderStructure *pRequest,
                      TrecMessageHeaderStructure *pReply, TpfnStatusCallback pfnStatus,
                      TpfnWindowCallback pfnWindow);
void fnstCommViaHTTPServices(char *pchResult, size_t iResultSize, const char *pchRequest,
                             size_t iRequestLength, TrecSiteRegHTTPResp *pReply, int iSSL,
                             int iServiceNumber, const char *pchExtra);
void pSetAbort(void);

#ifdef __cplusplus
} /* extern "C" */

/* The layout both sides rely on (x86-64, natural alignment). */
static_assert(sizeof(TShortText4) == 5 && sizeof(TShortText8) == 9 && sizeof(TShortText16) == 17);
static_assert(sizeof(TrecAwbLPRange) == 3 * 40 + 8 + 9, "TrecAwbLPRange");
static_assert(sizeof(TrecRegistrationPickupResponse) == 8 + 4 * 64 + 16 + 8,
              "TrecRegistrationPickupResponse");
static_assert(offsetof(TrecMessageHeaderStructure, iMessageVersion) == 6);
static_assert(offsetof(TrecMessageHeaderStructure, iMessageFlag) == 8);
static_assert(offsetof(TrecMessageHeaderStructure, recMessageData) == 264);
static_assert(offsetof(TrecMessageHeaderStructure, recShipmentRange) == 404);
static_assert(offsetof(TrecMessageHeaderStructure, pNext) == 968);
static_assert(sizeof(TrecMessageHeaderStructure) == 976);
static_assert(sizeof(TrecSiteRegHTTPResp) ==
              5 + 17 + 8 + 40 + 40 + 9 + 8 + 40 + 40 + 8 + 4 * 64 + 16 + 8);
#endif

#endif /* MORVANE_COMMUNICATION_H */
