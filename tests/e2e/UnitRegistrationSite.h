// What an end-to-end registration needs besides the host: the rows the wizard
// has saved by the time it registers (customer, account, country, the
// requested quantities), the registration itself with the rows as stored, and
// reading the rows back.
#pragma once

#include <QString>
#include <QVariant>

// Stores the sender, the DEFAULT user's account and the quantities.
void pSeedRegisteringSite();
// Registers with the rows as stored now; the site ID, or the failure text.
QString fnstRegisterStoredSite();

// The site ID, both ranges as the quantities asked and the pickup address
// the host answered are in the database.
void pExpectRegistrationStored(const QString &stSiteId);

QVariant fnvScalar(const QString &stSQL);
void pExec(const QString &stSQL, const QVariantList &vlBinds = {});
// A site ID as the carrier host hands them out.
bool fnbSiteIdForm(const QString &st);
