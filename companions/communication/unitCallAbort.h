// The abort a status window asks for while a call runs. Every call clears it
// when it starts; the transfer or the modem link looks at it at its next step.
#pragma once

void pRequestAbort();
void pClearAbort();
bool fnbAbortRequested();
