// The files the program writes into an installation hold the client's data
// (the database, its logs, the host's answers, the key of the passwords):
// they are its user's alone.
#pragma once

// From here on, files this process creates get mode 0600 and folders 0700,
// whichever library creates them (the process's umask, 077).
void pKeepNewFilesToTheOwner();
