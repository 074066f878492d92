// The internet page group: how the workstation reaches the carrier's host
// (directly, over dial-up or through a proxy), saved by the internet page and
// by the proxy settings dialog.
#pragma once

#include "unitRWProxyServerData.h"
#include "unitRWSettings.h"

class TclsInternetSettingData;

// Every field of the internet_setting row from the holder, whatever the
// connection type; the internet page writes its own row with it too.
void pFillInternetSetting(TclsInternetSettingData &objRow, const TclsRWProxyServerData &objData);

// The stored internet_setting row into the holder, every field. False when
// it could not be read or there is none; iCode is then the database's code.
bool fnbReadInternetSetting(TclsRWProxyServerData &objData, int &iCode);
// The internet page's choice written at once, before the page group's save:
// the communication library reads it from the row. The single row is
// updated by its key when there is one, otherwise inserted; the database's
// code.
int fniStoreInternetSetting(const TclsRWProxyServerData &objData);

class TclsRWProxyServer : public TclsRWSettings {
public:
    // No rules: the pages offer only valid choices ("").
    QString fnstValidate(const TclsRWSettingsData &objData, TrecarErrorList &arErrors) override;
    // Writes a TclsRWProxyServerData into the single internet_setting row, creating it when absent.
    QString fnstSaveToDB(const TclsRWSettingsData &objData) override;
};
