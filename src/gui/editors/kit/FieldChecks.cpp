#include "gui/editors/kit/FieldChecks.h"

#include <limits>

#include "gui/editors/kit/CheckScope.h"
#include "gui/editors/kit/RecordText.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/ValueText.h"

namespace volmar::gui::kit {

bool Refuse(Interaction& ui, const char* text)
{
    ui.Show({MessageIcon::Error, text});
    return false;
}

bool IntegerIn(const QLineEdit* edit, int64_t min, int64_t max, int64_t* value)
{
    int64_t v = 0;
    if (!CheckIntegerText(Utf8(edit), &v) || v < min || v > max) return false;
    if (value) *value = v;
    return true;
}

bool SignedIn(const QLineEdit* edit, int64_t min, int64_t max, int64_t* value)
{
    return CheckSignedRange(Utf8(edit), min, max, value);
}

bool UnsignedIn(const QLineEdit* edit, uint64_t min, uint64_t max, uint64_t* value)
{
    return CheckUnsignedRange(Utf8(edit), min, max, value);
}

bool HexIn(const QLineEdit* edit, uint64_t min, uint64_t max, uint64_t* value)
{
    return CheckHexRange(Utf8(edit), min, max, value);
}

bool IntegerField(const QLineEdit* edit, int64_t min, int64_t max)
{
    return Unchecked(edit) || IntegerIn(edit, min, max);
}

int64_t SignedValue(const QLineEdit* edit)
{
    int64_t v = 0;
    if (CheckIntegerText(Utf8(edit), &v)) return v;
    SignedIn(edit, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(), &v);
    return v;
}

uint64_t UnsignedValue(const QLineEdit* edit)
{
    uint64_t v = 0;
    UnsignedIn(edit, 0, std::numeric_limits<uint64_t>::max(), &v);
    return v;
}

uint64_t HexValue(const QLineEdit* edit)
{
    uint64_t v = 0;
    HexIn(edit, 0, std::numeric_limits<uint64_t>::max(), &v);
    return v;
}

}  // namespace volmar::gui::kit
