#pragma once
// How a maintenance window runs one function of the unit: the question
// first (on the window's thread, before any link opens), the login when an
// encrypted unit still needs one, then the function off the window's thread
// behind "Please wait" with its wait dialog over the window.
#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "gui/common/AppContext.h"

class QLineEdit;
class QVBoxLayout;

namespace volmar::gui {

// OK/Cancel question with window as its owner; true for OK.
bool AskBeforeLink(AppContext& app, QWidget* window, const char* question);

// Whether a function needs the login over the encrypted link. The version
// comes from the handshake alone, so its window asks for none.
enum class Login { Needed, NotNeeded };

// Runs function on the selected link; its result.
bool RunMaintenance(AppContext& app, QWidget* window, const std::function<bool(LinkContext&)>& function,
                    Login login = Login::Needed);

// The frame of a maintenance window: a title, a body for the window's own
// controls and a "Back" button that closes it. A query set with
// QueryWhenShown runs once, after the window is visible, so that the wait
// dialog comes up over it.
class CDlgMenBase : public QDialog {
public:
    CDlgMenBase(AppContext& app, const char* title, QWidget* parent);
    // No query when shown (the screenshots).
    void DropQuery() { m_query = nullptr; }

protected:
    QVBoxLayout* Body() const { return m_body; }
    AppContext& App() { return m_app; }
    bool Run(const std::function<bool(LinkContext&)>& function, Login login = Login::Needed)
    {
        return RunMaintenance(m_app, this, function, login);
    }
    void QueryWhenShown(std::function<void()> query) { m_query = std::move(query); }
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_app;
    QVBoxLayout* m_body;
    std::function<void()> m_query;
};

// A window that shows one read-only text: MAC address, version, disk usage.
class CDlgMenQuery : public CDlgMenBase {
public:
    CDlgMenQuery(AppContext& app, const char* title, const char* label, QWidget* parent);
    QString Text() const;

protected:
    void SetText(const std::string& text);
    // Reads the unit and shows the text when the read succeeded.
    void QueryThenShow(std::optional<std::string> (*reader)(LinkContext&), Login login = Login::Needed);

private:
    QLineEdit* m_field;
};

}  // namespace volmar::gui
