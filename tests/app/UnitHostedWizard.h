#pragma once

#include "UnitCarrierHost.h"
#include "UnitTestCertificates.h"
#include "UnitTestInstallation.h"
#include "UnitTestQueries.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <initializer_list>
#include <utility>

struct TrecHost {
    TclsTestCertificates objCertificates;
    QTemporaryDir dirHost;
    TclsCarrierHost objHost;
    QString stError;
    TrecHost() {
        TrecCarrierHostOptions rec;
        rec.stDatabaseFile = dirHost.filePath(QStringLiteral("host.db"));
        rec.stCertFile = objCertificates.fnstCertFile();
        rec.stKeyFile = objCertificates.fnstKeyFile();
        rec.pfnLog = [](const QString &) {};
        if (!objCertificates.fnbOk())
            stError = objCertificates.fnstError();
        else
            objHost.fnbStart(rec, stError);
    }
    TrecInstallationOptions
    fnrecInstallation(TrecInstallationOptions rec = fnrecTestOptions()) const {
        rec.recSeed.stSiteRegistrationServer = QStringLiteral("https://localhost");
        rec.recSeed.iSiteRegistrationPort = objHost.fniPort();
        rec.stCAFile = objCertificates.fnstCaFile();
        return rec;
    }
};

// A site ID as the carrier host hands them out.
inline bool fnbSiteIdForm(const QString &st) {
    static const QRegularExpression re(QStringLiteral("^[A-Z]{3}[0-9]{10}ZOZ$"));
    return re.match(st).hasMatch();
}

// Each statement's first value, as expected.
inline void pCompareRows(std::initializer_list<std::pair<const char *, const char *>> arRows) {
    for (const auto &[pchSQL, pchExpected] : arRows)
        QCOMPARE(fnstScalar(QLatin1String(pchSQL)), QLatin1String(pchExpected));
}
