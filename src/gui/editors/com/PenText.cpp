#include "gui/editors/com/PenText.h"

#include <string>

#include "core/settings/Keywords.h"
#include "core/settings/ValueText.h"
#include "core/rules/DispRules.h"

namespace volmar::gui::pen {


bool IsAnalog(int32_t type) { return type == kPenAi || type == kPenPi || type == kPenOi; }

namespace {

template <typename Channel, size_t N>
const Channel* At(const Channel (&channels)[N], int ch)
{
    return ch >= 1 && ch <= static_cast<int>(N) ? &channels[ch - 1] : nullptr;
}

template <typename Channel>
ChannelView Analog(const Channel* c)
{
    ChannelView view;
    if (!c) return view;
    view.exponent = c->EXP != 0;
    if (c->TYPE == 0) return view;
    view.inUse = true;
    view.name = QString::fromUtf8(c->NAME);
    view.unit = QString::fromUtf8(c->UNIT);
    return view;
}

template <typename Channel>
ChannelView Discrete(const Channel* c)
{
    ChannelView view;
    if (!c || c->TYPE == 0) return view;
    view.inUse = true;
    view.name = QString::fromUtf8(c->NAME);
    return view;
}

}  // namespace

ChannelView ChannelOf(const SettingRecord& r, int32_t type, int ch)
{
    switch (type) {
    case kPenAi: return Analog(At(r.IO.AI, ch));
    case kPenPi: return Analog(At(r.IO.PI, ch));
    case kPenOi: return Analog(At(r.IO.OI, ch));
    case kPenDi: return Discrete(At(r.IO.DI, ch));
    case kPenDo: return Discrete(At(r.IO.DO, ch));
    default: return {};
    }
}

QString LimitText(double value, bool log, bool exponent)
{
    return QString::fromStdString(rules::PenLimitText(value, log, exponent));
}

}  // namespace volmar::gui::pen
