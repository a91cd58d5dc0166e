#pragma once
// The CLI side of the device flows: messages on stderr, questions answered
// by --yes or at the terminal, the login from the options, the environment
// or a terminal prompt, and one updating progress line per transfer.
#include <optional>
#include <string>

#include "cli/Console.h"
#include "core/link/transfer/Interaction.h"

namespace volmar::cli {

struct CliAnswers {
    bool yes = false;    // answer every confirmation with OK
    bool quiet = false;  // no progress line
    std::optional<std::string> login;
    std::optional<std::string> password;
};

class CliInteraction final : public Interaction {
public:
    CliInteraction(CliAnswers answers, Console& console);

    void Show(const Message& message) override;
    bool Confirm(const Message& question) override;
    bool ConfirmYesNo(const Message& question) override;
    bool ConfirmAccessMode(LinkState& link) override;
    bool AskLogin(std::string& id, std::string& password) override;
    void RunTransfer(const TransferView& view, const std::function<void()>& work) override;
    void Pause(int milliseconds) override;

    // Whether a message with the error or warning icon was shown.
    bool ShowedFailure() const { return m_showedFailure; }
private:
    bool AskYesNo(const std::string& question);
    std::string ReadLine(const std::string& prompt, bool hidden);

    CliAnswers m_answers;
    Console& m_console;
    int m_loginAsked = 0;
    bool m_showedFailure = false;
};

}  // namespace volmar::cli
