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

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    // Asks where to save, suggesting a name; nullopt when the user cancels.
    using PathChooser = std::function<std::optional<std::string>(QWidget* parent, const std::string& suggested)>;

    // source: the file or unit the record came from, for the header.
    ReportPreview(const SettingRecord& record, const std::string& source, Interaction& ui, QWidget* parent = nullptr);

    void SetPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    const std::string& Html() const { return m_html; }
    QTextBrowser* Browser() const { return m_browser; }

    // Save...: a path ending in .pdf gets the PDF, any other the HTML.
    void OnSave();
    // Print...: the system's print dialog, then PrintTo.
    void OnPrint();
    // Lays the report out for the printer's pages and prints it, off the
    // window's thread behind "Please wait".
    void PrintTo(QPrinter& printer);

private:
    Interaction& m_ui;
    std::string m_html;
    std::string m_title;
    std::string m_suggested;
    QTextBrowser* m_browser;
    PathChooser m_choosePath;
};

// The standard Save dialog for reports (HTML or PDF).
std::optional<std::string> AskReportPath(QWidget* parent, const std::string& suggested);

}  // namespace volmar::gui
