// Installation paths: every folder the wizard uses is derived from the
// executable's folder or from the current directory, never stored.
#pragma once

#include <QString>

// The folder of the running executable. main() sets it from the real executable;
// tests set it to the Bin folder of the installation they built. An empty text
// goes back to the running executable's own folder.
void pSetExecutableDir(const QString &stDir);
QString fnstExecutableDir();

// The executable's folder cut before the first "BIN" (ignoring case), ending in
// "/"; empty when the path holds no "BIN" (folders are then relative to the
// current directory).
QString fnstExecutableRoot();
QString fnstConfigDir(); // executable root + "Config/"
QString fnstLogsDir();   // executable root + "Logs/"

// The current directory with its first "Bin" (ignoring case) removed.
QString fnstWorkingBase();

// The executable's folder with the first "BIN" replaced by "LOGS" (manifest log).
QString fnstManifestLogDir();

// Turns a Windows-style path ("..\Config\installation.ini") into a "/"-separated
// one and resolves every component that exists ignoring letter case, because the
// installation's own files mix cases. Components that do not exist are kept as
// written. Relative paths are resolved against the current directory but stay
// relative in the result.
QString fnstResolvePath(const QString &stPath);
