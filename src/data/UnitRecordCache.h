// A cached copy of all rows of one record class, read on first request.
#pragma once

#include "UnitAccessToDatabaseDLL.h"
#include "UnitDatabaseConstants.h"

#include <optional>
#include <vector>

template <class T> class TclsRecordCache {
public:
    // Copies the cached rows into arRows, reading them first when needed.
    int fniGet(std::vector<T> &arRows) {
        if (!arCached) {
            TobjarMVData objarRows;
            const int iCode =
                fniQueryRecords({{QString(), QVariant()}}, objarRows, T().fnstClassName());
            if (iCode != dbc::iSuccess)
                return iCode;
            std::vector<T> arRead;
            arRead.reserve(objarRows.size());
            for (const auto &obj : objarRows)
                if (const T *p = dynamic_cast<const T *>(obj.get()))
                    arRead.push_back(*p);
            arCached = std::move(arRead);
        }
        arRows = *arCached;
        return dbc::iSuccess;
    }
    const std::vector<T> *fnpRows() const { return arCached ? &*arCached : nullptr; }
    void pClear() { arCached.reset(); }

private:
    std::optional<std::vector<T>> arCached;
};
