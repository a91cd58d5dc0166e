#pragma once
// The "Basic" page of a zone editor: name, colour, limits, recording and
// the output and reset selections of each zone, zone 5 at the top.
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "gui/editors/io/ZoneSet.h"
#include "core/rules/ZoneRules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class ColourSwatch;
}

class ZoneTabBase : public QWidget {
    Q_OBJECT
public:
    ZoneTabBase(const ZoneContext& context, QWidget* parent = nullptr);

    // The enable rule for a zone count (0 or 2 to 5).
    void SetCount(int count);
    // The first failing field of zones 1 to count, or nullptr.
    const char* FieldError(int count) const;
    // The first order violation of the typed limits for a count, or nullptr.
    const char* OrderError(int count) const;
    // Re-writes the checked limit texts in the channel's notation.
    void Reformat(int count);
    // Writes zones 1 to count into the editor's copy.
    void Store(int count);

private:
    struct Group {
        QLineEdit* name = nullptr;
        kit::ColourSwatch* colour = nullptr;
        QLineEdit* upper = nullptr;  // zones 1 to 4
        QLineEdit* lower = nullptr;  // zones 2 to 5
        QComboBox* record = nullptr;
        QComboBox* trans = nullptr;
        QPushButton* output = nullptr;
        QPushButton* resetPi = nullptr;
        QPushButton* resetOi = nullptr;
        QCheckBox* sumReset = nullptr;  // PI zones 2 to 5
    };

    QWidget* MakeGroup(int zone);
    std::optional<std::string> Text(rules::ZoneField field, int zone) const;
    // Limits that the count puts in use.
    static bool UpperInUse(int zone, int count) { return zone < count; }
    static bool LowerInUse(int zone, int count) { return zone >= 2 && zone <= count; }

    ZoneContext m_context;
    std::array<Group, kZoneCount> m_groups{};  // index 0 is zone 1
};

}  // namespace volmar::gui
