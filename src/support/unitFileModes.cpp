// The process's file creation mask.
#include "unitFileModes.h"

#include <sys/stat.h>

void pKeepNewFilesToTheOwner() {
    umask(S_IRWXG | S_IRWXO);
}
