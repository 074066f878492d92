// The address a host service is posted to, made from the service row's server
// text and port.
#pragma once

#include <QByteArray>
#include <QString>

struct TrecServiceUrl {
    QByteArray baUrl; // what libcurl is given
    QString stLogUrl; // the same without any user name or password in it
    QString stError;  // empty when the URL could be made
};

// The server text holds a scheme, a host, an optional ":port" and an optional
// path. The scheme is always the one bSSL asks for (the caller chose the
// transport from the service's mode; a server text written for the other one
// must not silently downgrade an HTTPS service to plain HTTP). The row's port
// is put in when the text names none; port 0 leaves the scheme's own port.
TrecServiceUrl fnrecServiceUrl(const QString &stServer, qint32 iPort, bool bSSL);
