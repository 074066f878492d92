// Everything one HTTP(S) call to a host service needs, read from the stored
// service and internet settings and from Installation.ini.
#pragma once

#include "unitProxySettings.h"
#include "unitServiceUrl.h"

struct TrecHTTPCallSettings {
    TrecServiceUrl recUrl;
    TrecProxy recProxy;
    long iConnectTimeout = 15; // seconds
    long iTimeout = 60;        // seconds, the whole call
    QString stCAFile;          // a CA certificate file trusted besides the system's
    QString stError;           // empty when the call can be made
};

// The stored service name of a service number; empty for numbers this library
// does not serve.
QString fnstServiceName(int iServiceNumber);

TrecHTTPCallSettings fnrecReadHTTPCallSettings(int iServiceNumber, bool bSSL);
