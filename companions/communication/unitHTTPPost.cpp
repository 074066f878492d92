// The transfer. Peer and host are always verified; an extra CA file is added to
// the trusted certificates rather than replacing the system's, so a host with a
// publicly signed certificate keeps working when an installation names a CA of
// its own. Redirects are not followed: a registration answered anywhere but at
// the configured address is a failure.
#include "unitHTTPPost.h"

#include "unitCallAbort.h"
#include "unitCommunicationLog.h"

#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>

namespace {

const char *const cpchMethod = "fnrecHTTPPost";

struct TCurlFree {
    void operator()(CURL *p) const { curl_easy_cleanup(p); }
    void operator()(curl_slist *p) const { curl_slist_free_all(p); }
};

struct TrecTransfer {
    QByteArray baBody;
    bool bTooLarge = false;
    QByteArray baCAFile;
    char achError[CURL_ERROR_SIZE] = {};
};

size_t fniWriteReply(char *pch, size_t iSize, size_t iCount, void *pUser) {
    auto *prec = static_cast<TrecTransfer *>(pUser);
    const size_t iBytes = iSize * iCount;
    if (iBytes > size_t(ciMaxReplySize - prec->baBody.size())) {
        prec->bTooLarge = true;
        return 0; // ends the transfer with a write error
    }
    prec->baBody.append(pch, qsizetype(iBytes));
    return iBytes;
}

int fniProgress(void *, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return fnbAbortRequested() ? 1 : 0;
}

CURLcode fneAddCAFile(CURL *, void *pSslContext, void *pUser) {
    const auto *prec = static_cast<const TrecTransfer *>(pUser);
    X509_STORE *pStore = SSL_CTX_get_cert_store(static_cast<SSL_CTX *>(pSslContext));
    if (X509_STORE_load_file(pStore, prec->baCAFile.constData()) != 1) {
        pCommLog(2, cpchMethod,
                 QStringLiteral("The CA file \"%1\" could not be loaded.")
                     .arg(QString::fromUtf8(prec->baCAFile)));
        return CURLE_SSL_CACERT_BADFILE;
    }
    return CURLE_OK;
}

// libcurl's global state lives as long as this library is loaded: the
// wizard loads and frees the library around every call, and curl counts the
// initialisations, so each load is balanced by its cleanup.
struct TclsCurlGlobal {
    TclsCurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~TclsCurlGlobal() { curl_global_cleanup(); }
    TclsCurlGlobal(const TclsCurlGlobal &) = delete;
    TclsCurlGlobal &operator=(const TclsCurlGlobal &) = delete;
};

void pInitialiseCurl() {
    static const TclsCurlGlobal objCurlGlobal;
}

void pSetProxy(CURL *pCurl, const TrecProxy &rec) {
    if (rec.baAddress.isEmpty()) {
        // Explicitly none: without this libcurl would take http_proxy and
        // friends from the environment behind the stored settings' back.
        curl_easy_setopt(pCurl, CURLOPT_PROXY, "");
        curl_easy_setopt(pCurl, CURLOPT_NOPROXY, "*");
        return;
    }
    curl_easy_setopt(pCurl, CURLOPT_PROXY, rec.baAddress.constData());
    curl_easy_setopt(pCurl, CURLOPT_PROXYPORT, long(rec.iPort > 0 ? rec.iPort : 80));
    curl_easy_setopt(pCurl, CURLOPT_NOPROXY, "");
    if (!rec.bCredentials)
        return;
    curl_easy_setopt(pCurl, CURLOPT_PROXYUSERNAME, rec.baUser.constData());
    curl_easy_setopt(pCurl, CURLOPT_PROXYPASSWORD, rec.baPassword.constData());
    curl_easy_setopt(pCurl, CURLOPT_PROXYAUTH, rec.bNTLM ? CURLAUTH_NTLM : CURLAUTH_BASIC);
}

void pSetSecurity(CURL *pCurl, const TrecHTTPCallSettings &recSettings, TrecTransfer &rec) {
    curl_easy_setopt(pCurl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(pCurl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(pCurl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(pCurl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (recSettings.stCAFile.isEmpty())
        return;
    rec.baCAFile = recSettings.stCAFile.toUtf8();
    curl_easy_setopt(pCurl, CURLOPT_SSL_CTX_FUNCTION, fneAddCAFile);
    curl_easy_setopt(pCurl, CURLOPT_SSL_CTX_DATA, &rec);
}

// Time-outs, the bound on the reply and the abort check. Signals stay off: the
// program has other threads, and a time-out must not be a SIGALRM.
void pSetLimits(CURL *pCurl, const TrecHTTPCallSettings &recSettings, TrecTransfer &rec) {
    curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, recSettings.iConnectTimeout);
    curl_easy_setopt(pCurl, CURLOPT_TIMEOUT, recSettings.iTimeout);
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, fniWriteReply);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &rec);
    curl_easy_setopt(pCurl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(pCurl, CURLOPT_XFERINFOFUNCTION, fniProgress);
}

QString fnstTransferError(CURLcode eCode, const TrecTransfer &rec) {
    if (rec.bTooLarge)
        return QStringLiteral("The reply is larger than %1 bytes.").arg(ciMaxReplySize);
    if (eCode == CURLE_ABORTED_BY_CALLBACK)
        return QStringLiteral("The call was aborted.");
    return QString::fromUtf8(rec.achError[0] ? rec.achError : curl_easy_strerror(eCode));
}

} // namespace

TrecHTTPPostResult fnrecHTTPPost(const TrecHTTPCallSettings &recSettings, const char *pchBody,
                                 size_t iLength) {
    TrecHTTPPostResult recResult;
    pClearAbort();
    pInitialiseCurl();
    std::unique_ptr<CURL, TCurlFree> objCurl(curl_easy_init());
    std::unique_ptr<curl_slist, TCurlFree> objHeaders(
        curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded"));
    if (!objCurl || !objHeaders) {
        recResult.stError = QStringLiteral("libcurl could not be initialised.");
        return recResult;
    }
    CURL *pCurl = objCurl.get();
    TrecTransfer rec;
    curl_easy_setopt(pCurl, CURLOPT_ERRORBUFFER, rec.achError);
    curl_easy_setopt(pCurl, CURLOPT_URL, recSettings.recUrl.baUrl.constData());
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDS, pchBody ? pchBody : "");
    curl_easy_setopt(pCurl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(pchBody ? iLength : 0));
    curl_easy_setopt(pCurl, CURLOPT_HTTPHEADER, objHeaders.get());
    pSetLimits(pCurl, recSettings, rec);
    pSetSecurity(pCurl, recSettings, rec);
    pSetProxy(pCurl, recSettings.recProxy);

    const CURLcode eCode = curl_easy_perform(pCurl);
    if (eCode != CURLE_OK) {
        recResult.stError = fnstTransferError(eCode, rec);
        return recResult;
    }
    curl_easy_getinfo(pCurl, CURLINFO_RESPONSE_CODE, &recResult.iStatus);
    recResult.bTransferred = true;
    recResult.baBody = std::move(rec.baBody);
    return recResult;
}
