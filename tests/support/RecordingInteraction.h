#pragma once
// The Interaction of the flow tests: records every message with its icon,
// answers questions, the access-mode confirmation and the login prompt from
// a script, runs each transfer on a worker thread (or inline) while reading
// its progress as a wait dialog would, and records pauses without sleeping.
#include <atomic>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkState.h"

namespace volmar::test {

class RecordingInteraction final : public Interaction {
public:
    using Login = std::pair<std::string, std::string>;

    struct TransferRecord {
        TransferLink link = TransferLink::Serial;
        bool send = false;
        std::string object;
        int64_t total = 0;
        int64_t finalProgress = 0;  // the progress source once the work ended
    };

    // Script. Questions and the access-mode confirmation answer OK when
    // their script has run out; the login prompt answers Cancel.
    std::deque<bool> confirmAnswers;
    std::deque<bool> accessAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<Login>> logins;
    // Run transfers on a worker thread (as the wait dialogs do) or inline.
    bool threaded = true;

    // Record.
    std::vector<Message> shown;
    std::vector<std::string> questions;
    std::vector<Message> yesNoQuestions;
    int accessConfirmations = 0;
    int loginPrompts = 0;
    std::vector<TransferRecord> transfers;
    std::vector<int> pauses;

    void QueueLogin(std::string id, std::string password)
    {
        logins.emplace_back(Login{std::move(id), std::move(password)});
    }
    void QueueCancel() { logins.emplace_back(std::nullopt); }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Message& m : shown) texts.push_back(m.text);
        return texts;
    }
    // The only message shown; empty text when none or several were.
    Message Only() const { return shown.size() == 1 ? shown[0] : Message{MessageIcon::None, ""}; }

    void Show(const Message& message) override { shown.push_back(message); }

    bool Confirm(const Message& question) override
    {
        questions.push_back(question.text);
        return Next(confirmAnswers, true);
    }

    // Yes/No questions: recorded apart from the OK/Cancel ones, answered
    // from yesNoAnswers (Yes when the script has run out).
    bool ConfirmYesNo(const Message& question) override
    {
        yesNoQuestions.push_back(question);
        return Next(yesNoAnswers, true);
    }

    bool ConfirmAccessMode(LinkState&) override
    {
        ++accessConfirmations;
        return Next(accessAnswers, true);
    }

    bool AskLogin(std::string& id, std::string& password) override
    {
        ++loginPrompts;
        if (logins.empty()) return false;
        std::optional<Login> answer = logins.front();
        logins.pop_front();
        if (!answer) return false;
        id = answer->first;
        password = answer->second;
        return true;
    }

    void RunTransfer(const TransferView& view, const std::function<void()>& work) override
    {
        TransferRecord record{view.link, view.send, view.object, view.total, 0};
        if (threaded) {
            std::atomic<bool> done{false};
            std::thread worker([&] {
                work();
                done = true;
            });
            // The wait dialog's timer reads the progress while the work runs.
            while (!done) {
                if (view.progress) (void)view.progress();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            worker.join();
        } else {
            work();
        }
        if (view.progress) record.finalProgress = view.progress();
        transfers.push_back(record);
    }

    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

private:
    static bool Next(std::deque<bool>& answers, bool fallback)
    {
        if (answers.empty()) return fallback;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace volmar::test
