// Checking the registration header against the body it came with.
#include "UnitRegistrationHeader.h"

namespace {
constexpr char chFS = '\x1C';

// Everything up to the size: message code, file name, four empty fields and
// the two one-character fields.
const QByteArray baLeadIn = QByteArrayLiteral("REGRSiteRegs.txt\x1C\x1C\x1C\x1C"
                                              "11");
// The client sends the literal DDMMYYYY, not a date, and a final "0".
const QByteArray baTail = QByteArrayLiteral("DDMMYYYY0");

bool fnbAllDigits(const QByteArray &ba) {
    for (const char ch : ba)
        if (ch < '0' || ch > '9')
            return false;
    return !ba.isEmpty();
}
} // namespace

QString fnstCheckRegistrationHeader(const QByteArray &baHeader, qsizetype iBodyLength) {
    if (!baHeader.startsWith(baLeadIn))
        return QStringLiteral("the header does not announce a REGR of SiteRegs.txt");
    const qsizetype iSizeEnd = baHeader.indexOf(chFS, baLeadIn.size());
    if (iSizeEnd < 0 || baHeader.mid(iSizeEnd + 1) != baTail)
        return QStringLiteral("the header does not end with FS DDMMYYYY0");
    const QByteArray baSize = baHeader.mid(baLeadIn.size(), iSizeEnd - baLeadIn.size());
    // Eighteen digits already exceed any body this host accepts.
    if (!fnbAllDigits(baSize) || baSize.size() > 18)
        return QStringLiteral("the header carries no file size");
    const qlonglong iSize = baSize.toLongLong();
    if (iSize != iBodyLength)
        return QStringLiteral("the header announces %1 bytes but the body has %2")
            .arg(iSize)
            .arg(iBodyLength);
    return {};
}
