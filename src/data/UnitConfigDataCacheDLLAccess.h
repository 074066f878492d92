// The configuration cache: in-memory copies of the carrier configuration row,
// the countries, the products and the account/product matrix, read from the
// database on first request and kept until told to reload. Every entry point
// answers 0 or a database library code.
#pragma once

#include "UnitMV5Records.h"
#include "UnitMV5ReferenceRecords.h"

#include <memory>
#include <vector>

// Afterwards the variable refers to the cached config_zorv row (nullptr when
// the table is empty or cannot be read).
int fniGetConfigZorvData(std::shared_ptr<const TclsConfigZorvData> &objConfigZorv);
int fniGetCountryData(std::vector<TclsCountryData> &arCountries);
int fniGetProductsData(std::vector<TclsProductsData> &arProducts);
int fniGetAccountProductMatrixData(std::vector<TclsAccountProductMatrixData> &arMatrix);
// Drops everything cached; the next request reads the database again.
int fniLoadConfigDLL(int iFlag);
