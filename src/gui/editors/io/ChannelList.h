#pragma once
// What the five channel lists (AI, DI, PI, DO, OI) share beyond the list
// frame: the record they edit, the door to the user, and "Export..." /
// "Import...". Export writes the list's channels as a CSV table; Import
// reads one, applies it to a copy of the record through the editors' rules
// and shows the Changes window: "Apply" takes the imported values into the
// record (as an edited channel does), "Cancel" leaves it; a refused table
// lists its refused cells and changes nothing.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/SettingRecord.h"
#include "core/sheets/ChannelTable.h"
#include "gui/editors/kit/ListDialog.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

struct ChangesView;

// Asks for a table's file: where to save it (save, suggesting a name) or
// which to open; nullopt when the user cancels.
using TablePathChooser =
    std::function<std::optional<std::string>(QWidget* parent, bool save, const std::string& suggested)>;
// The standard Save and Open dialogs for CSV files.
std::optional<std::string> AskTablePath(QWidget* parent, bool save, const std::string& suggested);

// What the Changes window shows for the table csv (from the file named
// file) applied to record: the differences, or every refusal as
// "file:LINE: CH n, 'caption': message". imported, a copy of record on
// entry, receives the result (unchanged when refused).
ChangesView ImportView(const SettingRecord& record, SettingRecord& imported, std::string_view csv,
                       sheets::ChannelSheet kind, const std::string& file);

class ChannelList : public kit::ListDialog {
    Q_OBJECT
public:
    // Replace the file dialogs (tests).
    void SetPathChooser(TablePathChooser chooser) { m_choosePath = std::move(chooser); }

    void OnExport();
    void OnImport();

protected:
    ChannelList(const QString& title, sheets::ChannelSheet kind, SettingRecord& record, Interaction& ui,
                QWidget* parent);

    SettingRecord& m_record;
    Interaction& m_ui;

private:
    std::string SuggestedName() const;

    const sheets::ChannelSheet m_kind;
    TablePathChooser m_choosePath = AskTablePath;
};

}  // namespace volmar::gui
