// Everything one modem call needs: the serial device and speed of the
// configured modem, the numbers to dial with the location's prefix, and how
// often to try, read from the stored configuration and the registry.
#pragma once

#include <QString>
#include <QStringList>

struct TrecModemCallSettings {
    QString stModemName;
    QString stDevice; // the AttachedTo of the modem's class key
    int iBaud = 0;    // 0: the line's default
    bool bToneDialling = true;
    QStringList slNumbers; // primary, then secondary when there is one; prefix included
    int iRetries = 1;      // rounds over the numbers, at least one
    QString stError;       // empty when the call can be made
    bool bModemFound = false;
};

TrecModemCallSettings fnrecReadModemCallSettings();
