#pragma once
// The one door through which the device flows meet the user: messages,
// OK/Cancel questions, the access-mode confirmation, the login prompt, and
// the running of one transfer with progress. The GUI implements it with
// message boxes and the wait dialogs, the CLI with stderr, a terminal prompt
// and a progress line, and tests with a recording fake that answers from a
// script.
#include <cstdint>
#include <functional>
#include <string>

#include "core/common/Message.h"

namespace volmar {

struct LinkState;

enum class TransferLink { Serial, PlainTcp, CipherTcp };

// What a wait dialog shows while a transfer runs.
struct TransferView {
    TransferLink link = TransferLink::Serial;
    bool send = false;                    // put (true) or get (false)
    std::string object;                   // "CONFIG_P", ...
    int64_t total = 0;                    // the progress bar's range
    std::function<int64_t()> progress;    // bytes done so far, read every 500 ms
    // The bytes really moved: a finished receive sets progress to the full
    // range for the bar, while this stays the object's length. May be empty.
    std::function<int64_t()> moved;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A message box with the message's icon and an OK button.
    virtual void Show(const Message& message) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool Confirm(const Message& question) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool ConfirmYesNo(const Message& question) = 0;
    // The access-mode confirmation ("Confirm access mode"): shows the link,
    // may let the user change it (updating link), true for "Connect".
    virtual bool ConfirmAccessMode(LinkState& link) = 0;
    // The login prompt: fills id and password, false on Cancel. The flow
    // checks the lengths and asks again after "Invalid login ID and/or
    // password".
    virtual bool AskLogin(std::string& id, std::string& password) = 0;
    // Runs work on a worker thread and returns when it has finished, showing
    // the progress meanwhile. The window stays responsive. A wait dialog may
    // hold the full bar for a moment (500 ms) before it closes; the flows
    // themselves never sleep.
    virtual void RunTransfer(const TransferView& view, const std::function<void()>& work) = 0;
    // Waits between two result queries while the unit is still processing;
    // the window keeps repainting.
    virtual void Pause(int milliseconds) = 0;
};

}  // namespace volmar
