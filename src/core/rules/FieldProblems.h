#pragma once
// The refusals of one editor's checks, in the order the editor makes them:
// the editor shows the first, the whole-setting check reports them all.
#include <string>
#include <vector>

namespace volmar::rules {

struct FieldProblem {
    std::string field;    // below the editor's block, '/' between names: "SMTP_AUTH/ID"
    const char* message;  // the editor's message: "Setting error: SMTP ID."
};
using FieldProblems = std::vector<FieldProblem>;

// The message of the first refusal, or nullptr when every check passes.
inline const char* FirstMessage(const FieldProblems& problems)
{
    return problems.empty() ? nullptr : problems.front().message;
}

// Adds a refusal of field when message is not nullptr.
inline void AddProblem(FieldProblems& problems, std::string field, const char* message)
{
    if (message) problems.push_back({std::move(field), message});
}

}  // namespace volmar::rules
