// The carrier's account-number check: a Zorv, transport-collect or
// destination-billing account is judged against the rules of
// Account_Number_Validations and, when asked, against the length the product
// list allows.
#pragma once

#include <QString>

// Account types of Account_Number_Validations.Type_Of_Account.
inline constexpr int ciAccountTypeZorv = 0;
inline constexpr int ciAccountTypeTransportCollect = 3;
inline constexpr int ciAccountTypeDestinationBilling = 4;

// True when the trimmed account passes the rules of its type. An account the
// rules cannot be read for is never taken as valid.
bool fnbValidAccountNumber(const QString &stAccount, int iTypeOfAccount, bool bCheckLength,
                           const QString &stProductCode);
