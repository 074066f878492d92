// The mail slot as a Unix datagram socket in the abstract namespace, taking
// messages from its own user only.
#include "unitMailSlot.h"

#include "unitMailSlotAddress.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {
// The sender's user id the kernel attached to a received datagram; -1 when
// none was attached.
qint64 fniSenderUid(msghdr &recHeader) {
    for (cmsghdr *pCmsg = CMSG_FIRSTHDR(&recHeader); pCmsg; pCmsg = CMSG_NXTHDR(&recHeader, pCmsg))
        if (pCmsg->cmsg_level == SOL_SOCKET && pCmsg->cmsg_type == SCM_CREDENTIALS) {
            ucred recCredentials;
            std::memcpy(&recCredentials, CMSG_DATA(pCmsg), sizeof recCredentials);
            return recCredentials.uid;
        }
    return -1;
}
} // namespace

TclsMailSlot::~TclsMailSlot() {
    if (iSocket >= 0)
        ::close(iSocket);
}

bool TclsMailSlot::fnbCreate() {
    if (iSocket >= 0)
        return true;
    sockaddr_un recAddress;
    const socklen_t iLength = fniMailSlotAddress(fnbaMailSlotName(), recAddress);
    if (iLength == 0)
        return false;
    const int iNew = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (iNew < 0)
        return false;
    // Every datagram then carries its sender's credentials, set by the kernel.
    const int iOn = 1;
    if (::setsockopt(iNew, SOL_SOCKET, SO_PASSCRED, &iOn, sizeof iOn) != 0 ||
        ::bind(iNew, reinterpret_cast<const sockaddr *>(&recAddress), iLength) != 0) {
        ::close(iNew);
        return false;
    }
    iSocket = iNew;
    return true;
}

QByteArray TclsMailSlot::fnbaRead() {
    if (iSocket < 0)
        return {};
    const qint64 iOwnUid = ::getuid();
    for (;;) {
        char achMessage[ciMailSlotMessageSize];
        iovec recData{achMessage, sizeof achMessage};
        alignas(cmsghdr) char achControl[CMSG_SPACE(sizeof(ucred))];
        msghdr recHeader{};
        recHeader.msg_iov = &recData;
        recHeader.msg_iovlen = 1;
        recHeader.msg_control = achControl;
        recHeader.msg_controllen = sizeof achControl;
        const ssize_t iRead = ::recvmsg(iSocket, &recHeader, MSG_DONTWAIT);
        if (iRead < 0)
            return {};
        if (fniSenderUid(recHeader) == iOwnUid)
            return iRead == 0 ? QByteArray() : QByteArray(achMessage, qsizetype(iRead));
        // Another user's datagram: dropped unread, and the next one looked at.
    }
}
