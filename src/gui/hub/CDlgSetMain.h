#pragma once
// "Configuration": the hub above the settings editors. It edits nothing
// itself: it opens the editors on the main window's record, saves the
// record as a settings file, uploads it, keeps the "TAG_MESSAGE"
// preference, and warns before the user leaves with changes that were
// neither saved nor uploaded.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>

#include "core/settings/SettingRecord.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace volmar::gui {

struct AppContext;

class CDlgSetMain : public QDialog {
    Q_OBJECT
public:
    // Asks where to save, suggesting a path; nullopt when the user cancels.
    using SavePathChooser = std::function<std::optional<std::string>(QWidget* parent, const std::string& suggested)>;

    // currentFilePath: the file "Read file" last opened, empty after
    // "New setting"; it is what "Save file" suggests.
    CDlgSetMain(SettingRecord& record, const std::string& currentFilePath, AppContext& ctx,
                QWidget* parent = nullptr);
    ~CDlgSetMain() override;

    // Asks which settings file to open; nullopt when the user cancels.
    using OpenPathChooser = std::function<std::optional<std::string>(QWidget* parent)>;

    // Replace the file dialogs (tests).
    void SetSavePathChooser(SavePathChooser chooser) { m_chooseSavePath = std::move(chooser); }
    void SetOpenPathChooser(OpenPathChooser chooser) { m_chooseOpenPath = std::move(chooser); }

    void OnSave();
    void OnUpload();
    // Report...: the settings report of the record, to preview, save or print.
    void OnReport();
    // "Compare...": the edited setting against a settings file or the unit.
    void OnCompareFile();
    void OnCompareUnit();
    // Back, Enter, Escape and the title bar's close: closes, after asking
    // when the record differs from what was last opened, saved or uploaded.
    void OnLeave();

    bool HasUnsavedChanges() const;
    std::string SuggestedFileName() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const char* text, std::function<void()> action);
    // True when nothing would be lost, or the user agrees to lose it.
    bool MayLeave();
    void ShowLink();
    void TakeSnapshot();
    void TagMessageClicked(bool checked);

    SettingRecord& m_record;
    const std::string m_currentFilePath;
    AppContext& m_ctx;
    std::unique_ptr<SettingRecord> m_snapshot;
    SavePathChooser m_chooseSavePath;
    OpenPathChooser m_chooseOpenPath;
    QCheckBox* m_tagMessage = nullptr;
    QCheckBox* m_showChanges = nullptr;
    QCheckBox* m_verifyUpload = nullptr;
    QLabel* m_linkLines[2] = {};
};

// The standard Save dialog for settings files.
std::optional<std::string> AskSettingFilePath(QWidget* parent, const std::string& suggested);
// The standard Open dialog for settings files.
std::optional<std::string> AskOpenSettingFile(QWidget* parent);

}  // namespace volmar::gui
