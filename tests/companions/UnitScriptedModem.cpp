#include "UnitScriptedModem.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

TclsScriptedModem::TclsScriptedModem(TpfnAnswer pfnAnswer) : pfnAnswer(std::move(pfnAnswer)) {
    const int iFd = posix_openpt(O_RDWR | O_NOCTTY);
    if (iFd < 0 || grantpt(iFd) != 0 || unlockpt(iFd) != 0) {
        if (iFd >= 0)
            close(iFd);
        return;
    }
    stDevice = ptsname(iFd);
    iKeepOpen = open(stDevice.c_str(), O_RDWR | O_NOCTTY);
    termios recRaw{};
    if (iKeepOpen < 0 || tcgetattr(iKeepOpen, &recRaw) != 0) {
        close(iFd);
        return;
    }
    cfmakeraw(&recRaw);
    tcsetattr(iKeepOpen, TCSANOW, &recRaw);
    iMaster = iFd;
    thrServe = std::thread([this] { pServe(); });
}

TclsScriptedModem::~TclsScriptedModem() {
    {
        std::lock_guard<std::mutex> lock(mtx);
        bStop = true;
    }
    if (thrServe.joinable())
        thrServe.join();
    if (iKeepOpen >= 0)
        close(iKeepOpen);
    if (iMaster >= 0)
        close(iMaster);
}

std::vector<std::string> TclsScriptedModem::fnarCommands() const {
    std::lock_guard<std::mutex> lock(mtx);
    return arCommands;
}

// Commands end in CR; the escape "+++" comes without one, before the next
// command.
void TclsScriptedModem::pTake(std::string &stPending) {
    for (;;) {
        if (stPending.rfind("+++", 0) == 0) {
            stPending.erase(0, 3);
            std::lock_guard<std::mutex> lock(mtx);
            arCommands.push_back("+++");
            continue;
        }
        const std::size_t iEnd = stPending.find('\r');
        if (iEnd == std::string::npos)
            return;
        const std::string stCommand = stPending.substr(0, iEnd);
        stPending.erase(0, iEnd + 1);
        {
            std::lock_guard<std::mutex> lock(mtx);
            arCommands.push_back(stCommand);
        }
        const std::string stAnswer = pfnAnswer(stCommand);
        if (!stAnswer.empty()) {
            const std::string stLine = "\r\n" + stAnswer + "\r\n";
            if (write(iMaster, stLine.data(), stLine.size()) < 0)
                return;
        }
    }
}

void TclsScriptedModem::pServe() {
    std::string stPending;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mtx);
            if (bStop)
                return;
        }
        pollfd recPoll{iMaster, POLLIN, 0};
        if (poll(&recPoll, 1, 50) <= 0 || !(recPoll.revents & POLLIN))
            continue;
        char achBuffer[256];
        const ssize_t iRead = read(iMaster, achBuffer, sizeof achBuffer);
        if (iRead <= 0)
            continue;
        stPending.append(achBuffer, std::size_t(iRead));
        pTake(stPending);
    }
}
