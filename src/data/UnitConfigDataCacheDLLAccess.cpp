// The configuration cache.
#include "UnitConfigDataCacheDLLAccess.h"

#include "UnitRecordCache.h"

namespace {
struct TrecConfigCache {
    TclsRecordCache<TclsConfigZorvData> objConfigZorv;
    std::shared_ptr<const TclsConfigZorvData> objFirstConfigZorv;
    TclsRecordCache<TclsCountryData> objCountries;
    TclsRecordCache<TclsProductsData> objProducts;
    TclsRecordCache<TclsAccountProductMatrixData> objMatrix;
};

TrecConfigCache &grecCache() {
    static TrecConfigCache rec;
    return rec;
}
} // namespace

int fniGetConfigZorvData(std::shared_ptr<const TclsConfigZorvData> &objConfigZorv) {
    TrecConfigCache &rec = grecCache();
    if (!rec.objFirstConfigZorv) {
        std::vector<TclsConfigZorvData> arRows;
        if (const int iCode = rec.objConfigZorv.fniGet(arRows); iCode != dbc::iSuccess)
            return iCode;
        if (!arRows.empty())
            rec.objFirstConfigZorv = std::make_shared<const TclsConfigZorvData>(arRows.front());
    }
    objConfigZorv = rec.objFirstConfigZorv;
    return dbc::iSuccess;
}

int fniGetCountryData(std::vector<TclsCountryData> &arCountries) {
    return grecCache().objCountries.fniGet(arCountries);
}

int fniGetProductsData(std::vector<TclsProductsData> &arProducts) {
    return grecCache().objProducts.fniGet(arProducts);
}

int fniGetAccountProductMatrixData(std::vector<TclsAccountProductMatrixData> &arMatrix) {
    return grecCache().objMatrix.fniGet(arMatrix);
}

int fniLoadConfigDLL(int /*iFlag*/) {
    grecCache() = TrecConfigCache{};
    return dbc::iSuccess;
}
