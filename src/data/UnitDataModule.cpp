// The application data module.
#include "UnitDataModule.h"

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"

int TdmMorvaneV5::fniConnect() {
    int iCode = dbc::iSuccess;
    bConnected = fnpBackend(&iCode) != nullptr;
    return iCode;
}

int TdmMorvaneV5::fniExecGeneralQuery(const QString &stSQL, const QVariantList &vlBinds) {
    TclsAdHocQuery DBISAMQuery1;
    return DBISAMQuery1.fniExecute(stSQL, vlBinds);
}
