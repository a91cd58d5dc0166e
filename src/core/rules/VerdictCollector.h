#pragma once
// Collects the verdicts of one editor's part of the whole-setting check: each
// refused field below base ("SYSTEM", "IO/AI/AI3", "COM/WEB") becomes a
// RuleVerdict with its path and the caption of its leaf.
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/FieldRules.h"
#include "core/rules/SettingRules.h"

namespace volmar::rules {

class VerdictCollector {
public:
    VerdictCollector(std::vector<RuleVerdict>& out, std::string base) : m_out(out), m_base(std::move(base)) {}

    void Text(std::string_view field, std::string_view value, const TextRule& rule) { Add(field, rule.Check(value)); }
    void Integer(std::string_view field, int64_t value, const IntegerRule& rule) { Add(field, rule.Check(value)); }

    // A refusal of field (nullptr or an empty message: it passes).
    void Add(std::string_view field, const char* message)
    {
        if (message && *message) Push(field, message);
    }
    void Add(std::string_view field, const std::string& message)
    {
        if (!message.empty()) Push(field, message);
    }

private:
    void Push(std::string_view field, std::string message);

    std::vector<RuleVerdict>& m_out;
    std::string m_base;
};

}  // namespace volmar::rules
