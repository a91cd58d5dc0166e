#pragma once
// The alarm zone editor of an AI channel, "Alarm zone setting (AI%02d)".
#include "gui/editors/io/ZoneArea.h"
#include "gui/editors/io/ZoneTabBase.h"
#include "gui/editors/io/ZoneTabEvents.h"

namespace volmar::gui {

class CDlgSetIoAiAreaTabBase : public ZoneTabBase {
    Q_OBJECT
public:
    using ZoneTabBase::ZoneTabBase;
};

class CDlgSetIoAiAreaTabUpper : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoAiAreaTabUpper(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Upward, context) {}
};

class CDlgSetIoAiAreaTabLower : public ZoneTabEvents {
    Q_OBJECT
public:
    explicit CDlgSetIoAiAreaTabLower(const ZoneContext& context) : ZoneTabEvents(ZoneDirection::Downward, context) {}
};

class CDlgSetIoAiArea : public ZoneArea {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoAiArea(int channel, const ZoneSet& zones, bool exponent, const SettingRecord& record,
                    Interaction& ui, QWidget* parent = nullptr)
        : ZoneArea(kAiZones, channel, zones, exponent, record, ui, parent)
    {
        Install(new CDlgSetIoAiAreaTabBase(Context()), new CDlgSetIoAiAreaTabUpper(Context()),
                new CDlgSetIoAiAreaTabLower(Context()));
    }
};

}  // namespace volmar::gui
