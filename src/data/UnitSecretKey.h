// The installation's secret key and what it does to a secret column's value.
// A secret (a column its record class marks cfSecret) is stored as
//   "mvs1:" + base64url(nonce || ciphertext)
// sealed with XChaCha20-Poly1305 (libsodium) under the installation's 32-byte
// key, with "table.column" as associated data: a value cannot be moved to
// another column unnoticed, and a fresh nonce per write makes equal passwords
// look different. "mvs1" names the format, so it can change later. An empty
// value is stored empty: it keeps no secret.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The key file: exactly 32 bytes, readable by its owner only. Loading reports
// why it failed; a file others can read is used, with a warning in the log.
bool fnbLoadSecretKey(const QString &stKeyFile, QString &stWhy);
// Creates a fresh key file (mode 0600) where there is none and loads it; a
// file another process created meanwhile is loaded instead.
bool fnbCreateSecretKey(const QString &stKeyFile, QString &stWhy);
// Forgets the key held by this process; names the key file meant.
void pForgetSecretKey(const QString &stKeyFile = QString());
bool fnbSecretKeyHeld();
// The key file of the installation this process is connected to (for messages).
QString fnstSecretKeyFile();

// Whether a stored value is in the sealed format (whichever key sealed it).
bool fnbSealed(const QString &stStored);
// The stored form of a plain value; empty stays empty.
QString fnstSealSecret(const QString &stTable, const QString &stColumn, const QString &stPlain);
// The plain value of a stored one; nothing when it does not open with the key
// held (a wrong key, a value changed or moved). A value not in the sealed
// format is a plain value written before secrets were sealed.
std::optional<QString> fnoOpenSecret(const QString &stTable, const QString &stColumn,
                                     const QString &stStored);
