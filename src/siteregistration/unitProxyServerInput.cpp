// Port numbers and the proxy login as the user types them.
#include "unitProxyServerInput.h"

#include "unitProxyServerSettingsStrings.h"

std::optional<int> fnoptPortNumber(const QString &stText) {
    const QString st = stText.trimmed();
    if (st.isEmpty())
        return 0;
    bool bNumber = false;
    const int iPort = st.toInt(&bNumber);
    if (!bNumber)
        return std::nullopt;
    return iPort;
}

QString fnstNotAnInteger(const QString &stText) {
    return QLatin1Char('\'') + stText + QStringLiteral("' is not a valid integer value");
}

std::optional<TrecLoginProblem> fnoptProxyLoginProblem(const QString &stUserName,
                                                       const QString &stPassword) {
    if (stUserName.isEmpty() && stPassword.isEmpty())
        return TrecLoginProblem{pss::rsEnterUserNameAndPassword, false};
    if (stUserName.isEmpty())
        return TrecLoginProblem{pss::rsEnterUserName, false};
    if (stPassword.isEmpty())
        return TrecLoginProblem{pss::rsEnterPassword, true};
    return std::nullopt;
}
