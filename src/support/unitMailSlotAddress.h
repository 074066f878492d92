// The address of the wizard's status mail slot: a datagram socket in the
// abstract namespace under the Windows mail slot's name followed by the
// user's id, so that each user on a machine has a slot of their own. The
// wizard binds it; the communication library posts its status lines to it.
#pragma once

#include <QByteArray>

#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>

// The slot's name for the user uid: "\\.\mailslot\dcsiface\Mymailslot.<uid>".
QByteArray fnbaMailSlotName(uid_t uid);
// The name for the user this process runs as.
QByteArray fnbaMailSlotName();

// Fills recAddress with the abstract address of baName; its length, or 0 when
// the name does not fit.
socklen_t fniMailSlotAddress(const QByteArray &baName, sockaddr_un &recAddress);
