#pragma once
// Typed text against the core's field rules: the edit's text is parsed as the
// editors always have, then the rule judges the value. A disabled edit passes
// while a guard runs (CheckScope.h).
#include <QLineEdit>
#include <string>

#include "gui/editors/kit/CheckScope.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/FieldRules.h"
#include "core/settings/ValueText.h"

namespace volmar::gui::kit {

// An edit's text as a length rule sees it: empty, so passing, while a guard
// runs with the edit disabled.
inline std::string CheckedUtf8(const QLineEdit* edit)
{
    return Unchecked(edit) ? std::string() : Utf8(edit);
}

inline bool Passes(const QLineEdit* edit, const rules::TextRule& rule)
{
    return Unchecked(edit) || rule.Check(Utf8(edit)) == nullptr;
}

// Holds judges the text whatever the edit's state; Passes follows the guard rule.
inline bool Holds(const QLineEdit* edit, const rules::IntegerRule& rule)
{
    int64_t v = 0;
    return CheckIntegerText(Utf8(edit), &v) && rule.Check(v) == nullptr;
}

inline bool Passes(const QLineEdit* edit, const rules::IntegerRule& rule)
{
    return Unchecked(edit) || Holds(edit, rule);
}

inline bool Holds(const QLineEdit* edit, const rules::UnsignedRule& rule)
{
    return rule.hex ? CheckHexRange(Utf8(edit), rule.min, rule.max)
                    : CheckUnsignedRange(Utf8(edit), rule.min, rule.max);
}

}  // namespace volmar::gui::kit
