// Making the test certificates with OpenSSL's library (P-256 keys, SHA-256).
#include "UnitTestCertificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>
#include <utility>
#include <vector>

namespace {
using TpKey = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using TpCert = std::unique_ptr<X509, decltype(&X509_free)>;
using TarExtensions = std::vector<std::pair<int, const char *>>;

const TarExtensions arCaExtensions{
    {NID_basic_constraints, "critical,CA:TRUE"},
    {NID_key_usage, "critical,keyCertSign,cRLSign"},
    {NID_subject_key_identifier, "hash"},
};
TarExtensions fnarServerExtensions(const char *pchAltNames) {
    return {
        {NID_basic_constraints, "critical,CA:FALSE"},
        {NID_key_usage, "critical,digitalSignature,keyAgreement"},
        {NID_ext_key_usage, "serverAuth"},
        {NID_subject_alt_name, pchAltNames},
        {NID_subject_key_identifier, "hash"},
        {NID_authority_key_identifier, "keyid:always"},
    };
}

TpKey fnpNewKey() {
    return TpKey(EVP_EC_gen("P-256"), EVP_PKEY_free);
}

bool fnbAddExtensions(X509 *pCert, X509 *pIssuer, const TarExtensions &arExtensions) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, pIssuer, pCert, nullptr, nullptr, 0);
    for (const auto &[iNid, pchValue] : arExtensions) {
        X509_EXTENSION *pExtension = X509V3_EXT_conf_nid(nullptr, &ctx, iNid, pchValue);
        const bool bOk = pExtension && X509_add_ext(pCert, pExtension, -1) == 1;
        X509_EXTENSION_free(pExtension);
        if (!bOk)
            return false;
    }
    return true;
}

// A certificate for pKey named pchName, signed by the issuer (itself when
// pIssuer is null).
TpCert fnpMakeCertificate(EVP_PKEY *pKey, const char *pchName, long iSerial, X509 *pIssuer,
                          EVP_PKEY *pIssuerKey, const TarExtensions &arExtensions) {
    TpCert pCert(X509_new(), X509_free);
    X509 *p = pCert.get();
    X509_NAME *pName = X509_get_subject_name(p);
    const bool bOk =
        p && X509_set_version(p, 2) == 1 && ASN1_INTEGER_set(X509_get_serialNumber(p), iSerial) &&
        X509_gmtime_adj(X509_getm_notBefore(p), -3600) &&
        X509_gmtime_adj(X509_getm_notAfter(p), 30L * 24 * 3600) && X509_set_pubkey(p, pKey) &&
        X509_NAME_add_entry_by_txt(pName, "O", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char *>("Morvane tests"), -1, -1,
                                   0) &&
        X509_NAME_add_entry_by_txt(pName, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char *>(pchName), -1, -1, 0) &&
        X509_set_issuer_name(p, pIssuer ? X509_get_subject_name(pIssuer) : pName) &&
        fnbAddExtensions(p, pIssuer ? pIssuer : p, arExtensions) &&
        X509_sign(p, pIssuerKey ? pIssuerKey : pKey, EVP_sha256()) > 0;
    return bOk ? std::move(pCert) : TpCert(nullptr, X509_free);
}

bool fnbWritePem(const QString &stFile, X509 *pCert, EVP_PKEY *pKey) {
    BIO *pBio = BIO_new_file(stFile.toLocal8Bit().constData(), "w");
    if (!pBio)
        return false;
    const bool bOk =
        pCert ? PEM_write_bio_X509(pBio, pCert) == 1
              : PEM_write_bio_PrivateKey(pBio, pKey, nullptr, nullptr, 0, nullptr, nullptr) == 1;
    return BIO_free(pBio) == 1 && bOk;
}
} // namespace

TclsTestCertificates::TclsTestCertificates(const QString &stAltNames) {
    const QByteArray baAltNames = stAltNames.toLatin1();
    TpKey pCaKey = fnpNewKey(), pServerKey = fnpNewKey(), pOtherKey = fnpNewKey();
    if (!dirFiles.isValid() || !pCaKey || !pServerKey || !pOtherKey) {
        stError = QStringLiteral("cannot make keys");
        return;
    }
    const TpCert pCa =
        fnpMakeCertificate(pCaKey.get(), "Morvane Test CA", 1, nullptr, nullptr, arCaExtensions);
    const TpCert pOtherCa = fnpMakeCertificate(pOtherKey.get(), "Morvane Other Test CA", 1, nullptr,
                                               nullptr, arCaExtensions);
    if (!pCa || !pOtherCa) {
        stError = QStringLiteral("cannot make the certificate authorities");
        return;
    }
    const TpCert pServer =
        fnpMakeCertificate(pServerKey.get(), "localhost", 2, pCa.get(), pCaKey.get(),
                           fnarServerExtensions(baAltNames.constData()));
    if (!pServer) {
        stError = QStringLiteral("cannot make the server certificate");
        return;
    }
    if (!fnbWritePem(fnstCaFile(), pCa.get(), nullptr) ||
        !fnbWritePem(fnstOtherCaFile(), pOtherCa.get(), nullptr) ||
        !fnbWritePem(fnstCertFile(), pServer.get(), nullptr) ||
        !fnbWritePem(fnstKeyFile(), nullptr, pServerKey.get()))
        stError = QStringLiteral("cannot write the certificates to %1").arg(dirFiles.path());
}
