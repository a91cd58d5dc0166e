#pragma once
// The Connect dialog: a unit from the address book and a TCP port, or a
// serial port. On OK it has written "COMTYPE", "COM", "NETPORT" and "NET"
// (and, for a serial port, the device its number stands for).
#include <QDialog>
#include <vector>

#include "gui/link/ComPortList.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace volmar::gui {

struct AppContext;

class CDlgCom : public QDialog {
    Q_OBJECT
public:
    explicit CDlgCom(AppContext& ctx, QWidget* parent = nullptr);

    QRadioButton* networkRadio() const { return network_; }
    QRadioButton* usbRadio() const { return usb_; }
    QComboBox* unitCombo() const { return units_; }
    QComboBox* comCombo() const { return ports_; }
    QLineEdit* deviceEdit() const { return device_; }
    QLineEdit* portEdit() const { return tcpPort_; }
    QPushButton* addressBookButton() const { return addressBook_; }

public slots:
    void accept() override;
    // "Set network address": the address book, then the unit list again.
    void EditAddressBook();

private:
    void FillUnits();
    void SelectUnit(const QString& name);
    void ApplyLinkKind();
    void ShowDevice(int position);

    AppContext& ctx_;
    std::vector<ComPortEntry> portList_;
    QRadioButton* network_ = nullptr;
    QRadioButton* usb_ = nullptr;
    QComboBox* units_ = nullptr;
    QPushButton* addressBook_ = nullptr;
    QLineEdit* tcpPort_ = nullptr;
    QComboBox* ports_ = nullptr;
    QLineEdit* device_ = nullptr;
};

}  // namespace volmar::gui
