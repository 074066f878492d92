// The status mail slot's address.
#include "unitMailSlotAddress.h"

#include <unistd.h>

#include <cstddef>
#include <cstring>

QByteArray fnbaMailSlotName(uid_t uid) {
    return QByteArrayLiteral(R"(\\.\mailslot\dcsiface\Mymailslot.)") + QByteArray::number(uid);
}

QByteArray fnbaMailSlotName() {
    return fnbaMailSlotName(::getuid());
}

socklen_t fniMailSlotAddress(const QByteArray &baName, sockaddr_un &recAddress) {
    recAddress = {};
    recAddress.sun_family = AF_UNIX;
    // The abstract namespace: a leading NUL, then the name without terminator.
    if (size_t(baName.size()) + 1 > sizeof(recAddress.sun_path))
        return 0;
    std::memcpy(recAddress.sun_path + 1, baName.constData(), size_t(baName.size()));
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(baName.size()));
}
