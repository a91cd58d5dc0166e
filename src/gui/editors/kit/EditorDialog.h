#pragma once
// The frame of every settings editor: the editor's controls above OK and
// Cancel. OK and the Enter key anywhere in the dialog run Confirm(), which
// checks the fields in order, shows the first failure and returns false to
// keep the dialog open with the typed values, or writes the record and
// returns true. Cancel and Escape close without writing. Buttons made with
// AddButton() never take the Enter key away from OK. The controls in Body()
// scroll when the dialog is taller than the screen allows (ScreenFit.h).
#include <QDialog>
#include <functional>
#include <initializer_list>

class QDialogButtonBox;
class QPushButton;
class QVBoxLayout;

namespace volmar {
class Interaction;
}

namespace volmar::gui::kit {

class GuardedCombo;

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    void accept() override;

protected:
    EditorDialog(Interaction& ui, const QString& title, QWidget* parent);

    virtual bool Confirm() = 0;

    Interaction& Ui() const { return m_ui; }
    // The editor's controls go here, above the buttons.
    QVBoxLayout* Body() const { return m_body; }
    QPushButton* OkButton() const;
    // A push button that does not become the default button.
    QPushButton* AddButton(const QString& text, QWidget* parent = nullptr);
    // "Setting error: ..." with the error icon; returns false.
    bool Refuse(const char* text);
    // Lets each combo change only while problem() finds nothing (refusing
    // with its message otherwise); after a change, runs changed() and gives
    // the combo the focus.
    void GuardCombos(std::initializer_list<GuardedCombo*> combos, std::function<const char*()> problem,
                     std::function<void()> changed);

private:
    Interaction& m_ui;
    QVBoxLayout* m_body;
    QDialogButtonBox* m_buttons;
};

// A push button that Enter does not press.
QPushButton* MakeButton(const QString& text, QWidget* parent);

}  // namespace volmar::gui::kit
