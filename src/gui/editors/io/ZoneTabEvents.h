#pragma once
// The "Upward" and "Downward" pages of a zone editor: what happens when the
// value enters a zone from below (zones 5 to 2) or from above (zones 4 to 1).
#include <QWidget>
#include <array>

#include "gui/editors/io/ZoneSet.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

enum class ZoneDirection { Upward, Downward };

class ZoneTabEvents : public QWidget {
    Q_OBJECT
public:
    ZoneTabEvents(ZoneDirection direction, const ZoneContext& context, QWidget* parent = nullptr);

    void SetCount(int count);
    // The first message that is too long among the zones a count covers.
    const char* FieldError(int count) const;
    void Store(int count);

private:
    struct Group {
        QCheckBox* log = nullptr;
        QCheckBox* confirm = nullptr;
        QCheckBox* newEvent = nullptr;
        QComboBox* number = nullptr;
        QLineEdit* message = nullptr;
        QPushButton* mail = nullptr;
    };

    QWidget* MakeGroup(int zone);
    ZoneEvent& Block(int zone) const;
    // Zones of this page, and which of them a count checks and enables.
    int FirstZone() const;
    int LastZone() const;
    bool Covered(int zone, int count) const;
    bool Enabled(int zone, int count) const;
    void ApplyEnableRule();

    const ZoneDirection m_direction;
    ZoneContext m_context;
    int m_count = 0;
    std::array<Group, kZoneCount> m_groups{};  // index 0 is zone 1
};

}  // namespace volmar::gui
