// The mail slot the communication library posts its status lines to. On
// Linux it is a datagram socket bound in the abstract namespace under the
// Windows mail slot's name: it vanishes with the process, a second process
// cannot bind the same name, and each datagram is one message.
#pragma once

#include <QByteArray>
#include <QString>

inline const QString cstMailSlotName = QStringLiteral(R"(\\.\mailslot\dcsiface\Mymailslot)");
// The largest message the slot takes; longer datagrams are cut.
inline constexpr int ciMailSlotMessageSize = 1000;

class TclsMailSlot {
public:
    TclsMailSlot() = default;
    ~TclsMailSlot();
    TclsMailSlot(const TclsMailSlot &) = delete;
    TclsMailSlot &operator=(const TclsMailSlot &) = delete;

    // Binds the slot; false when the name is taken or no socket can be made.
    bool fnbCreate(const QString &stName);
    bool fnbIsOpen() const { return iSocket >= 0; }
    // The next waiting message, without waiting; empty when none is waiting.
    QByteArray fnbaRead();

private:
    int iSocket = -1;
};
