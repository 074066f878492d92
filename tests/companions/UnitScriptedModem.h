// A modem for the library's tests: the far end of a pseudo-terminal that
// records every AT command the library sends and answers each with what the
// test's script says. It never connects a call, so only the Hayes dialogue
// is exercised; whole calls go to the carrier host's modem.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TclsScriptedModem {
public:
    // The result code for a command; empty: stay silent.
    using TpfnAnswer = std::function<std::string(const std::string &stCommand)>;

    explicit TclsScriptedModem(TpfnAnswer pfnAnswer);
    ~TclsScriptedModem();
    TclsScriptedModem(const TclsScriptedModem &) = delete;
    TclsScriptedModem &operator=(const TclsScriptedModem &) = delete;

    bool fnbOk() const { return iMaster >= 0; }
    // The device the library opens as its serial port.
    const std::string &fnstDevice() const { return stDevice; }
    // Every command received, "+++" as a command of its own.
    std::vector<std::string> fnarCommands() const;

private:
    void pServe();
    void pTake(std::string &stPending);

    TpfnAnswer pfnAnswer;
    int iMaster = -1;
    int iKeepOpen = -1; // our own descriptor on the device: the master never sees a hang-up
    std::string stDevice;
    mutable std::mutex mtx;
    std::vector<std::string> arCommands;
    bool bStop = false;
    std::thread thrServe;
};
