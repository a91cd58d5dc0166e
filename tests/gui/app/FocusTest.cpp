// The keyboard focus in every registered window: on its first field when it
// opens (a window with a button box under its controls), and a full round of Tab visits only controls a user can see and
// use, never the frame that scrolls an editor's controls.
#include <QAbstractButton>

#include "../link/GuiTestSupport.h"
#include "gui/screenshots/ScreenshotList.h"
#include "gui/common/ScreenFit.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::test {
namespace {

// What Tab stops at: visible, enabled, taking Tab and no other's stand-in.
bool TakesTab(const QWidget* w, const QWidget* window)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isVisibleTo(window) &&
           w->isEnabled();
}

// The first control to type in or choose with that Tab stops at, in the
// window's tab order; null when the window has push buttons only (Qt then
// gives the focus to the default button, as a user of dialogs expects).
QWidget* FirstField(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->window() == window && TakesTab(w, window) && !qobject_cast<QPushButton*>(w)) return w;
    return nullptr;
}

bool AnyTabStop(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->window() == window && TakesTab(w, window)) return true;
    return false;
}

std::string Describe(const QWidget* w)
{
    if (!w) return "none";
    std::string text = w->metaObject()->className();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) text += " \"" + b->text().toStdString() + "\"";
    if (!w->objectName().isEmpty()) text += " " + w->objectName().toStdString();
    return text;
}

// Why focus is not where a user can type, or empty.
std::string Unusable(const QWidget* focus)
{
    if (!focus) return "no focus";
    const std::string name = focus->metaObject()->className();
    if (!focus->isVisible() || focus->width() <= 0 || focus->height() <= 0) return "invisible " + name;
    if (!focus->isEnabled()) return "disabled " + name;
    if (focus->focusPolicy() == Qt::NoFocus) return "unfocusable " + name;
    if (qobject_cast<const kit::ScrollBody*>(focus)) return "the scroll area";
    return {};
}

TEST(Focus, EveryWindowOpensOnItsFirstFieldAndTabVisitsOnlyUsableControls)
{
    TestApp app;
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    ScreenshotEnv env{app.ctx, *record};
    for (const ScreenshotEntry& entry : Screenshots()) {
        SCOPED_TRACE(entry.name);
        std::unique_ptr<QWidget> window = entry.make(env);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        if (!AnyTabStop(window.get())) continue;  // nothing to use ("Please wait")
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(Unusable(focus), "");
        // A window with OK/Cancel or Back under its controls opens on them;
        // the main window and the hub are menus of buttons.
        if (QWidget* first = window->findChild<QDialogButtonBox*>() ? FirstField(window.get()) : nullptr) {
            EXPECT_EQ(focus, first) << Describe(focus) << " instead of " << Describe(first);
        }
        // Round the tab order once: every stop usable, back at the start.
        QWidget* start = QApplication::focusWidget();
        bool back = false;
        for (int i = 0; i < 400 && !back; ++i) {
            QTest::keyClick(window.get(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            const std::string why = Unusable(now);
            ASSERT_EQ(why, "") << "after " << i + 1 << " Tab";
            back = now == start;
        }
        EXPECT_TRUE(back);
        window->hide();
    }
}

}  // namespace
}  // namespace volmar::gui::test
