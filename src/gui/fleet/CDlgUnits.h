#pragma once
// The Units window: many units at once. It shows the address book (or a
// units file) as a table, one row per unit, and runs Status, Backup...,
// Set time, Compare with file... or Upload... on the selected rows; each
// row shows its unit's state, progress and result as that unit ends. The
// run goes on off the window's thread (UnitsRun): this window and the
// others stay usable meanwhile, Cancel starts nothing new and ends the
// running units, and closing the window cancels the run and waits for it.
#include <QDialog>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/fleet/FleetRunner.h"
#include "core/settings/ElementLabels.h"
#include "gui/fleet/UnitRows.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace volmar::gui {

struct AppContext;
class UnitsRun;

class CDlgUnits : public QDialog {
    Q_OBJECT
public:
    // Opens on the units of the address book.
    explicit CDlgUnits(AppContext& ctx, QWidget* parent = nullptr);
    ~CDlgUnits() override;

    // The units the table shows, and where they come from ("Address book",
    // a file's path).
    void SetUnits(std::vector<FleetUnit> units, const QString& source);
    // Reads a units file into the table; false with its message shown.
    bool LoadUnitsFile(const QString& path);
    // How long one unit may take (60 s unless set).
    void SetDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }

    // The operations on the selected rows, with what their buttons ask for
    // given. Each asks the login for the run first; nothing starts while a
    // run goes on.
    void RunStatus();
    void RunBackup(const QString& dir);
    void RunSetTime();
    void RunCompare(const QString& settingsFile);
    void RunUpload(const QString& settingsFile);
    bool Running() const { return m_run != nullptr; }

    // One row's state: its unit ended, or still running with its transfer's
    // bytes done of total (0 of 0: no transfer yet).
    void ShowEnded(int row, UnitsOperation operation, const FleetResult& result);
    void ShowRunning(int row, int64_t done, int64_t total);
    // The Changes window on what the row's unit held other than the file of
    // the last Compare (Differences..., or a double-click on the row);
    // nothing when the row was not compared or held the file's setting.
    void ShowDifferences(int row);

    QTableWidget* table() const { return m_table; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* statusButton() const { return m_status; }
    QPushButton* backupButton() const { return m_backup; }
    QPushButton* setTimeButton() const { return m_setTime; }
    QPushButton* compareButton() const { return m_compare; }
    QPushButton* differencesButton() const { return m_differences; }
    QPushButton* uploadButton() const { return m_upload; }
    QCheckBox* verifyBox() const { return m_verify; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* closeButton() const { return m_close; }
    QLabel* summaryLine() const { return m_summary; }

public slots:
    void OpenUnitsFile();
    void Backup();
    void Compare();
    void Upload();
    void CancelRun();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddButton(const char* text);
    std::vector<int> SelectedRows() const;
    // Starts operation on the selected rows after the login; false when
    // nothing started.
    bool Start(UnitsOperation kind, FleetOperation operation);
    void Ended(size_t index, const FleetResult& result);
    void Finished(const std::vector<FleetResult>& results);
    void PollProgress();
    void StopRun();
    void UpdateButtons();
    QString AskSettingsFile(const QString& caption);
    // The row Differences... shows: the current row when it differs from
    // the file of the last Compare, else the first selected row that does;
    // -1 when none.
    int DifferencesRow() const;

    AppContext& m_ctx;
    std::vector<FleetUnit> m_units;
    std::chrono::milliseconds m_deadline{60000};

    QLabel* m_source = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_status = nullptr;
    QPushButton* m_backup = nullptr;
    QPushButton* m_setTime = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_differences = nullptr;
    QPushButton* m_upload = nullptr;
    QCheckBox* m_verify = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_summary = nullptr;
    QTimer* m_poll = nullptr;

    // The run going on: its operation, the row of each of its units, where
    // a backup goes, and when it started.
    UnitsOperation m_kind = UnitsOperation::Status;
    std::vector<int> m_runRows;
    std::vector<FleetUnit> m_runUnits;
    std::vector<bool> m_rowEnded;
    std::string m_backupDir;
    std::chrono::steady_clock::time_point m_started;
    // What each unit of a Compare run holds other than the file, by run
    // index (filled by the run's workers, read once it has ended), and
    // what the rows compared last held.
    std::shared_ptr<std::vector<std::vector<SettingDifference>>> m_runDifferences;
    std::map<int, std::vector<SettingDifference>> m_rowDifferences;
    // Last: goes first, cancelling and waiting for the run.
    std::unique_ptr<UnitsRun> m_run;
};

}  // namespace volmar::gui
