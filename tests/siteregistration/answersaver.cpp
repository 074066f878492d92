// A process storing one answer of the host, for the tests that kill it in the
// middle: started in an installation (its Bin), it stores an HTTP answer with
// a site ID, both ranges and the pickup address, as the registration does,
// and prints the result. With MORVANE_HALT_AT it stops at that point of the
// writes until it is killed.
#include "tstSiteRegReplies.h"
#include "UnitAccessToDatabaseDLL.h"
#include "unitSiteRegistration.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (fniConnectDatabase(fnrecInstallationDatabaseSettings()) != 0)
        return 3;
    QString stResult;
    TclsRWSiteRegistration().pSaveSiteRegResponseForHTTP(
        fnrecHTTPReply("REGP", QStringLiteral("ABC1234567890ZOZ"),
                       {"0", "1234567890", "1234569999", "15032024"}, {"0", "JDA1234", "JDA123999"},
                       {"0", "Unit 4", "Harbour Road", "Onehunga", "Auckland", "1061", "NZ"}),
        stResult);
    std::printf("%s\n", qPrintable(stResult));
    return 0;
}
