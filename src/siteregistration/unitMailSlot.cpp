// The mail slot as a Unix datagram socket in the abstract namespace.
#include "unitMailSlot.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

TclsMailSlot::~TclsMailSlot() {
    if (iSocket >= 0)
        ::close(iSocket);
}

bool TclsMailSlot::fnbCreate(const QString &stName) {
    if (iSocket >= 0)
        return true;
    const QByteArray baName = stName.toLatin1();
    sockaddr_un recAddress{};
    recAddress.sun_family = AF_UNIX;
    // The abstract namespace: a leading NUL, then the name without terminator.
    if (size_t(baName.size()) + 1 > sizeof(recAddress.sun_path))
        return false;
    std::memcpy(recAddress.sun_path + 1, baName.constData(), size_t(baName.size()));
    const socklen_t iLength =
        socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(baName.size()));
    const int iNew = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (iNew < 0)
        return false;
    if (::bind(iNew, reinterpret_cast<const sockaddr *>(&recAddress), iLength) != 0) {
        ::close(iNew);
        return false;
    }
    iSocket = iNew;
    return true;
}

QByteArray TclsMailSlot::fnbaRead() {
    if (iSocket < 0)
        return {};
    char achMessage[ciMailSlotMessageSize];
    const ssize_t iRead = ::recv(iSocket, achMessage, sizeof(achMessage), MSG_DONTWAIT);
    if (iRead <= 0)
        return {};
    return QByteArray(achMessage, qsizetype(iRead));
}
