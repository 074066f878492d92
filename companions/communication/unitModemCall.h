// One registration over the modem: the modem is set up and dialled, the
// request crosses the link, the host's reply fills the reply record, and the
// line is hung up. Each step is reported as a status line.
#pragma once

#include "MorvaneCommunication.h"

#include <QString>

// "SUCCESS" when the host's reply was received and read into recReply,
// "FAILURE" otherwise (the reason is in "Comm.log").
QString fnstRunModemCall(const TrecMessageHeaderStructure &recRequest,
                         TrecMessageHeaderStructure &recReply, TpfnStatusCallback pfnStatus);
