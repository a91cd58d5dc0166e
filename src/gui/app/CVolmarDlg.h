#pragma once
// The main window: owns the current setting record and the path of the
// current settings file, shows which unit the tool is connected to, and
// routes every action (new setting, download, file read, maintenance,
// terminal log, the two network editors, Connect).
#include <QDialog>

#include <memory>
#include <string>

#include "gui/app/MainRoutes.h"
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

    SettingRecord& record() { return *record_; }
    const std::string& filePath() const { return filePath_; }

    QPushButton* newSettingButton() const { return newSetting_; }
    QPushButton* downloadButton() const { return download_; }
    QPushButton* readFileButton() const { return readFile_; }
    QPushButton* maintenanceButton() const { return maintenance_; }
    QPushButton* terminalLogButton() const { return terminalLog_; }
    QPushButton* networkAccessButton() const { return networkAccess_; }
    QPushButton* networkButton() const { return network_; }
    QPushButton* connectButton() const { return connect_; }
    QCheckBox* confirmBox() const { return confirm_; }
    QLabel* accessModeLine() const { return line1_; }
    QLabel* deviceLine() const { return line2_; }

public slots:
    void NewSetting();
    void DownloadFromDevice();
    // The open-file dialog, then LoadFile.
    void ReadFile();
    // Reads a settings file into the record and opens the hub when usable.
    void LoadFile(const QString& path);
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

    AppContext& ctx_;
    MainRoutes routes_;
    std::unique_ptr<SettingRecord> record_;
    std::string filePath_;

    QPushButton* newSetting_ = nullptr;
    QPushButton* download_ = nullptr;
    QPushButton* readFile_ = nullptr;
    QPushButton* maintenance_ = nullptr;
    QPushButton* terminalLog_ = nullptr;
    QPushButton* networkAccess_ = nullptr;
    QPushButton* network_ = nullptr;
    QPushButton* connect_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QLabel* line1_ = nullptr;
    QLabel* line2_ = nullptr;
};

}  // namespace volmar::gui
