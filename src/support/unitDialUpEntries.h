// The dial-up connections of this machine. On Linux a dial-up connection is a
// pppd peer: one file under /etc/ppp/peers named after the connection, which
// "pon <name>" brings up. The folder can be moved with the environment
// variable MORVANE_PPP_PEERS_DIR (tests, or a machine that keeps its peers
// elsewhere).
#pragma once

#include <QString>
#include <QStringList>

// The folder read: MORVANE_PPP_PEERS_DIR when set and not blank, else /etc/ppp/peers.
QString fnstDialUpPeersDir();

// The connection names, sorted; empty when the folder is missing, unreadable
// or holds no peer. Hidden files and editor backups ("name~") are not peers.
QStringList fnslDialUpEntries();
