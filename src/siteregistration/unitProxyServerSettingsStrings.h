// The user-visible texts of the proxy server settings: the dialog's captions
// and the login checks the dialog and the internet page share.
#pragma once

#include "unitResourceStrings.h"

namespace pss {
inline constexpr TResourceString rsCaption{QT_TRANSLATE_NOOP("Morvane", "Proxy Server Settings")};
inline constexpr TResourceString rsServer{QT_TRANSLATE_NOOP("Morvane", "Server")};
inline constexpr TResourceString rsType{QT_TRANSLATE_NOOP("Morvane", "Type")};
inline constexpr TResourceString rsProxyAdress{QT_TRANSLATE_NOOP("Morvane", "Proxy Adress")};
inline constexpr TResourceString rsPort{QT_TRANSLATE_NOOP("Morvane", "Port")};
inline constexpr TResourceString rsHTTPRow{QT_TRANSLATE_NOOP("Morvane", "HTTP:")};
inline constexpr TResourceString rsHTTPSRow{QT_TRANSLATE_NOOP("Morvane", "HTTPS:")};
inline constexpr TResourceString rsFTPRow{QT_TRANSLATE_NOOP("Morvane", "FTP:")};
inline constexpr TResourceString rsProxyLogin{QT_TRANSLATE_NOOP("Morvane", "ProxyLogin")};
inline constexpr TResourceString rsUseUserNamePwd{
    QT_TRANSLATE_NOOP("Morvane", "Use username and password")};
inline constexpr TResourceString rsUserName{QT_TRANSLATE_NOOP("Morvane", "Username")};
inline constexpr TResourceString rsPassword{QT_TRANSLATE_NOOP("Morvane", "Password")};
inline constexpr TResourceString rsUseNTLM{QT_TRANSLATE_NOOP("Morvane", "Use NTLM Authentication")};
inline constexpr TResourceString rsNote{QT_TRANSLATE_NOOP(
    "Morvane", "Note : All Username and Password entries are stored in a secure fashion")};
inline constexpr TResourceString rsOK{QT_TRANSLATE_NOOP("Morvane", "&OK")};
inline constexpr TResourceString rsCancel{QT_TRANSLATE_NOOP("Morvane", "&Cancel")};

inline constexpr TResourceString rsCaptionWarning{
    QT_TRANSLATE_NOOP("Morvane", "Registration Wizard - Warning")};
inline constexpr TResourceString rsEnterUserNameAndPassword{
    QT_TRANSLATE_NOOP("Morvane", "Please enter username and password.")};
inline constexpr TResourceString rsEnterUserName{
    QT_TRANSLATE_NOOP("Morvane", "Please enter username.")};
inline constexpr TResourceString rsEnterPassword{
    QT_TRANSLATE_NOOP("Morvane", "Please enter password.")};
inline constexpr TResourceString rsDataNotSaved{
    QT_TRANSLATE_NOOP("Morvane", "Data could not be saved to the database")};
} // namespace pss
