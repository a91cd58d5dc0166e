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

    QRadioButton* networkRadio() const { return m_network; }
    QRadioButton* usbRadio() const { return m_usb; }
    QComboBox* unitCombo() const { return m_units; }
    QComboBox* comCombo() const { return m_ports; }
    QLineEdit* deviceEdit() const { return m_device; }
    QLineEdit* portEdit() const { return m_tcpPort; }
    QPushButton* addressBookButton() const { return m_addressBook; }

public slots:
    void accept() override;
    // "Set network address": the address book, then the unit list again.
    void EditAddressBook();

private:
    void FillUnits();
    void SelectUnit(const QString& name);
    void ApplyLinkKind();
    void ShowDevice(int position);

    AppContext& m_ctx;
    std::vector<ComPortEntry> m_portList;
    QRadioButton* m_network = nullptr;
    QRadioButton* m_usb = nullptr;
    QComboBox* m_units = nullptr;
    QPushButton* m_addressBook = nullptr;
    QLineEdit* m_tcpPort = nullptr;
    QComboBox* m_ports = nullptr;
    QLineEdit* m_device = nullptr;
};

}  // namespace volmar::gui
