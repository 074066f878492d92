// A test installation for the phone checks: rule table, metadata and log on,
// the phone-number library in Bin or not; the access unit starts afresh.
#pragma once

#include "UnitLibPhonenumberAccess.h"
#include "UnitTestInstallation.h"

#include <QDate>
#include <QFile>

enum class TPhoneLibrary { Present, Missing };

inline TrecInstallationOptions fnrecPhoneOptions() {
    TrecInstallationOptions rec = fnrecTestOptions();
    rec.bPhoneRules = true;
    rec.bPhoneMetadata = true;
    rec.bLogging = true;
    return rec;
}

class TclsPhoneTestInstallation : public TclsTestInstallation {
public:
    explicit TclsPhoneTestInstallation(TPhoneLibrary iLibrary,
                                       const TrecInstallationOptions &rec = fnrecPhoneOptions())
        : TclsTestInstallation(rec) {
        pResetLibPhonenumberAccess();
        if (fnbOk() && iLibrary == TPhoneLibrary::Present)
            bLibraryCopied = fnbCopyBuiltLibrary(QStringLiteral("libLibphonenumberMorvane.so"));
        BuildMetadataFromXml();
    }
    ~TclsPhoneTestInstallation() { pResetLibPhonenumberAccess(); }

    bool bLibraryCopied = false;

    QString fnstTodaysLog() const {
        return QString::fromUtf8(
            fnbaReadFile(QStringLiteral("Logs/RegistrationWizard_%1.log")
                             .arg(QDate::currentDate().toString(QStringLiteral("ddMMyyyy")))));
    }
};

// How a log line ends: "|Severity Level 0|Unit U|Process M|message" and CR LF.
inline QString fnstPhoneLogLine(int iLevel, const QString &stUnit, const QString &stMethod,
                                const QString &stMessage) {
    return QStringLiteral("|Severity Level %1|Unit %2|Process %3|%4\r\n")
        .arg(QString::number(iLevel), stUnit, stMethod, stMessage);
}
