#pragma once
// The alarm zone editor of an OI channel, "Alarm zone setting (OI%02d)":
// the AI pages on a function input.
#include "gui/editors/io/ZoneArea.h"
#include "gui/editors/io/ZoneTabBase.h"
#include "gui/editors/io/ZoneTabEvents.h"

namespace volmar::gui {

class CDlgSetIoOiAreaTabBase : public ZoneTabBase {
    Q_OBJECT
public:
    using ZoneTabBase::ZoneTabBase;
};

class CDlgSetIoOiAreaTabUpper : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoOiAreaTabUpper(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Upward, context) {}
};

class CDlgSetIoOiAreaTabLower : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoOiAreaTabLower(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Downward, context) {}
};

class CDlgSetIoOiArea : public ZoneArea {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoOiArea(int channel, const ZoneSet& zones, bool exponent, const SettingRecord& record,
                    Interaction& ui, QWidget* parent = nullptr)
        : ZoneArea(kOiZones, channel, zones, exponent, record, ui, parent)
    {
        Install(new CDlgSetIoOiAreaTabBase(Context()), new CDlgSetIoOiAreaTabUpper(Context()),
                new CDlgSetIoOiAreaTabLower(Context()));
    }
};

}  // namespace volmar::gui
