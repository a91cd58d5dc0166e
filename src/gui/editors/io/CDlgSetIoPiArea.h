#pragma once
// The alarm zone editor of a PI channel, "Alarm zone setting (PI%02d)": the
// AI pages plus a "Reset count" box for zones 2 to 5, all disabled when the
// channel has no count to reset.
#include "gui/editors/io/ZoneArea.h"
#include "gui/editors/io/ZoneTabBase.h"
#include "gui/editors/io/ZoneTabEvents.h"

namespace volmar::gui {

class CDlgSetIoPiAreaTabBase : public ZoneTabBase {
    Q_OBJECT
public:
    using ZoneTabBase::ZoneTabBase;
};

class CDlgSetIoPiAreaTabUpper : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoPiAreaTabUpper(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Upward, context) {}
};

class CDlgSetIoPiAreaTabLower : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoPiAreaTabLower(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Downward, context) {}
};

class CDlgSetIoPiArea : public ZoneArea {
    Q_OBJECT
public:
    // channel counts from 0; sumResetAllowed false disables every "Reset count".
    CDlgSetIoPiArea(int channel, const ZoneSet& zones, bool exponent, bool sumResetAllowed,
                    const SettingRecord& record, Interaction& ui, QWidget* parent = nullptr)
        : ZoneArea(kPiZones, channel, zones, exponent, record, ui, parent, sumResetAllowed)
    {
        Install(new CDlgSetIoPiAreaTabBase(Context()), new CDlgSetIoPiAreaTabUpper(Context()),
                new CDlgSetIoPiAreaTabLower(Context()));
    }
};

}  // namespace volmar::gui
