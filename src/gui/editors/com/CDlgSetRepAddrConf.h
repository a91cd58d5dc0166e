#pragma once
// "No.%02d": one entry of the mail address book, its name and address.
#include "gui/editors/kit/EditorDialog.h"

class QLineEdit;

namespace volmar::gui {

class CDlgSetRepAddrConf : public kit::EditorDialog {
    Q_OBJECT
public:
    // entry counts from 0.
    CDlgSetRepAddrConf(int entry, const QString& name, const QString& address, Interaction& ui,
                       QWidget* parent = nullptr);
    QString Name() const;
    QString Address() const;

protected:
    bool Confirm() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_address;
};

}  // namespace volmar::gui
