// The mail slot the communication library posts its status lines to. On
// Linux it is a datagram socket bound in the abstract namespace under the
// Windows mail slot's name and the user's id (unitMailSlotAddress): it
// vanishes with the process, a second process of the same user cannot bind
// the same name, and each datagram is one message. Only datagrams sent by
// processes of the same user are read; the kernel vouches for the sender.
#pragma once

#include <QByteArray>
#include <QString>

// The largest message the slot takes; longer datagrams are cut.
inline constexpr int ciMailSlotMessageSize = 1000;

class TclsMailSlot {
public:
    TclsMailSlot() = default;
    ~TclsMailSlot();
    TclsMailSlot(const TclsMailSlot &) = delete;
    TclsMailSlot &operator=(const TclsMailSlot &) = delete;

    // Binds the slot of this process's user; false when the name is taken or
    // no socket can be made.
    bool fnbCreate();
    bool fnbIsOpen() const { return iSocket >= 0; }
    // The next waiting message of this user's processes, without waiting;
    // empty when none is waiting. Messages from other users are dropped.
    QByteArray fnbaRead();

private:
    int iSocket = -1;
};
