#pragma once
// "Settings report": the report of the hub's record in a preview, saved as
// HTML or PDF (written atomically) or printed.
#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "core/settings/SettingRecord.h"

class QPrinter;
class QTextBrowser;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetReport : public QDialog {
    Q_OBJECT
public:
    // Asks where to save, suggesting a name; nullopt when the user cancels.
    using PathChooser = std::function<std::optional<std::string>(QWidget* parent, const std::string& suggested)>;

    // source: the file or unit the record came from, for the header.
    CDlgSetReport(const SettingRecord& record, const std::string& source, Interaction& ui, QWidget* parent = nullptr);

    void SetPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }
    const std::string& Html() const { return html_; }
    QTextBrowser* Browser() const { return browser_; }

    // Save...: a path ending in .pdf gets the PDF, any other the HTML.
    void OnSave();
    // Print...: the system's print dialog, then PrintTo.
    void OnPrint();
    // Lays the report out for the printer's pages and prints it, off the
    // window's thread behind "Please wait".
    void PrintTo(QPrinter& printer);

private:
    Interaction& ui_;
    std::string html_;
    std::string title_;
    std::string suggested_;
    QTextBrowser* browser_;
    PathChooser choosePath_;
};

// The standard Save dialog for reports (HTML or PDF).
std::optional<std::string> AskReportPath(QWidget* parent, const std::string& suggested);

}  // namespace volmar::gui
