#pragma once
// "Network": the unit's own addresses (DHCP or manual, address, mask,
// gateway, two DNS servers), uploaded as the network-only document over the
// serial link. Over a network link the window only shows them. Enter does
// nothing here; the window stays open after an upload.
#include <QDialog>

#include <array>

class QComboBox;
class QKeyEvent;
class QPushButton;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

namespace kit {
class Ipv4Edit;
}

class CDlgBaseIpAddress : public QDialog {
    Q_OBJECT
public:
    CDlgBaseIpAddress(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);

    QComboBox* modeCombo() const { return mode_; }
    // 0 IP address, 1 subnet mask, 2 default gateway, 3 preferred DNS, 4 alternate DNS.
    kit::Ipv4Edit* address(int i) const { return addresses_.at(static_cast<size_t>(i)); }
    QPushButton* uploadButton() const { return upload_; }
    QPushButton* backButton() const { return back_; }

public slots:
    void OnUpload();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateEnabled();

    SettingRecord& record_;
    AppContext& ctx_;
    QComboBox* mode_ = nullptr;
    std::array<kit::Ipv4Edit*, 5> addresses_{};
    QPushButton* upload_ = nullptr;
    QPushButton* back_ = nullptr;
};

}  // namespace volmar::gui
