#pragma once
// The main window: owns the current setting record and the path of the
// current settings file, shows which unit the tool is connected to, and
// routes every action (new setting, download, file read, units, maintenance,
// terminal log, the two network editors, Connect).
#include <QDialog>

#include <memory>
#include <string>

#include "gui/app/WindowTable.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace volmar::gui {

struct AppContext;
class EarlyLogin;

class CVolmarDlg : public QDialog {
    Q_OBJECT
public:
    CVolmarDlg(AppContext& ctx, MainRoutes routes, QWidget* parent = nullptr);
    ~CVolmarDlg() override;

    SettingRecord& record() { return *m_record; }
    const std::string& filePath() const { return m_filePath; }

    QPushButton* newSettingButton() const { return m_newSetting; }
    QPushButton* downloadButton() const { return m_download; }
    QPushButton* readFileButton() const { return m_readFile; }
    QPushButton* unitsButton() const { return m_units; }
    QPushButton* maintenanceButton() const { return m_maintenance; }
    QPushButton* terminalLogButton() const { return m_terminalLog; }
    QPushButton* networkAccessButton() const { return m_networkAccess; }
    QPushButton* networkButton() const { return m_network; }
    QPushButton* connectButton() const { return m_connect; }
    QCheckBox* confirmBox() const { return m_confirm; }
    QLabel* accessModeLine() const { return m_line1; }
    QLabel* deviceLine() const { return m_line2; }

public slots:
    void NewSetting();
    void DownloadFromDevice();
    // The open-file dialog, then LoadFile.
    void ReadFile();
    // Reads a settings file into the record and opens the hub when usable.
    void LoadFile(const QString& path);
    // The Units window (not modal).
    void Units();
    void Maintenance();
    void TerminalLog();
    void NetworkAccess();
    void Network();
    void Connect();
    void About();

private:
    // The access-mode confirmation when it is on; false stops the action.
    bool RunAccessCheck();
    // The login before "Please wait" when the unit is known to ask for it
    // first; false when the user cancelled.
    bool AskLoginFirst(EarlyLogin& login);
    void RefreshLink();

    AppContext& m_ctx;
    MainRoutes m_routes;
    std::unique_ptr<SettingRecord> m_record;
    std::string m_filePath;

    QPushButton* m_newSetting = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_readFile = nullptr;
    QPushButton* m_units = nullptr;
    QPushButton* m_maintenance = nullptr;
    QPushButton* m_terminalLog = nullptr;
    QPushButton* m_networkAccess = nullptr;
    QPushButton* m_network = nullptr;
    QPushButton* m_connect = nullptr;
    QCheckBox* m_confirm = nullptr;
    QLabel* m_line1 = nullptr;
    QLabel* m_line2 = nullptr;
};

}  // namespace volmar::gui
