// The keyboard focus in every registered window: on its first field when it
// opens, and a full round of Tab visits only controls a user can see and
// use, never the frame that scrolls an editor's controls.
#include <QAbstractScrollArea>

#include "../link/GuiTestSupport.h"
#include "common/ScreenshotRegistry.h"
#include "editors/kit/ScreenFit.h"
#include "settings/SettingRecord.h"

namespace volmar::gui::test {
namespace {

// What Tab stops at: visible, enabled, taking Tab and no other's stand-in.
bool TakesTab(const QWidget* w, const QWidget* window)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isVisibleTo(window) &&
           w->isEnabled();
}

// The first control Tab stops at, in the window's tab order.
QWidget* FirstField(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->window() == window && TakesTab(w, window)) return w;
    return nullptr;
}

// Why focus is not where a user can type, or empty.
std::string Unusable(const QWidget* focus)
{
    if (!focus) return "no focus";
    const std::string name = focus->metaObject()->className();
    if (!focus->isVisible()) return "invisible " + name;
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
        QWidget* first = FirstField(window.get());
        if (!first) continue;  // nothing to type in ("Please wait")
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(Unusable(focus), "");
        EXPECT_EQ(focus, first) << (focus ? focus->metaObject()->className() : "none") << " instead of "
                                << first->metaObject()->className() << " " << first->objectName().toStdString();
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
