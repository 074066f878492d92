// What an end-to-end registration needs besides the host: the rows the wizard
// has saved by the time it registers (customer, account, country, the
// requested quantities), the registration itself with the rows as stored, and
// reading the rows back. Free of any test framework, so GoogleTest and Qt
// Test cases share it: failures come back as texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Stores the sender, the DEFAULT user's account and the quantities; what
// failed, or nothing.
QStringList fnslSeedRegisteringSite();
// Registers with the rows as stored now; the site ID, or the failure text.
QString fnstRegisterStoredSite();
// What is not as a registration that handed out stSiteId leaves it: the site
// ID, both ranges as the quantities asked and the pickup address the host
// answered. Empty when everything is stored.
QStringList fnslRegistrationNotStored(const QString &stSiteId);

// A site ID as the carrier host hands them out.
bool fnbSiteIdForm(const QString &st);
