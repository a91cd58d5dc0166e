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

    QComboBox* modeCombo() const { return m_mode; }
    // 0 IP address, 1 subnet mask, 2 default gateway, 3 preferred DNS, 4 alternate DNS.
    kit::Ipv4Edit* address(int i) const { return m_addresses.at(static_cast<size_t>(i)); }
    QPushButton* uploadButton() const { return m_upload; }
    QPushButton* backButton() const { return m_back; }

public slots:
    void OnUpload();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateEnabled();

    SettingRecord& m_record;
    AppContext& m_ctx;
    QComboBox* m_mode = nullptr;
    std::array<kit::Ipv4Edit*, 5> m_addresses{};
    QPushButton* m_upload = nullptr;
    QPushButton* m_back = nullptr;
};

}  // namespace volmar::gui
