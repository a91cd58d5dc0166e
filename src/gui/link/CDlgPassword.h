#pragma once
// The login prompt ("Login"): login ID and password, at most 16 characters
// each; the password is typed hidden. Longer texts are refused and the
// dialog stays open with what was typed.
#include <QDialog>

class QLineEdit;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgPassword : public QDialog {
    Q_OBJECT
public:
    explicit CDlgPassword(Interaction& ui, QWidget* parent = nullptr);

    QLineEdit* loginIdEdit() const { return m_id; }
    QLineEdit* passwordEdit() const { return m_password; }
    // The texts as UTF-8.
    std::string LoginId() const;
    std::string Password() const;

public slots:
    void accept() override;

private:
    Interaction& m_ui;
    QLineEdit* m_id = nullptr;
    QLineEdit* m_password = nullptr;
};

}  // namespace volmar::gui
