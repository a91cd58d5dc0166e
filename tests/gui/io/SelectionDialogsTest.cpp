// The action selections: DO masks across two words, rows of disabled
// channels, Copy / Paste of a bit, the reset mask's Back and close, and the
// e-mail events' enabled-only marks and three-event limit.
#include <QCloseEvent>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoAreaReset.h"
#include "gui/editors/io/CDlgSetIoOutput.h"
#include "gui/editors/io/CDlgSetIoRep.h"
#include "gui/editors/kit/ReportTable.h"

namespace volmar::gui::test {
namespace {

class SelectionTest : public EditorTest {};

TEST_F(SelectionTest, Do40IsBit7OfTheSecondWord)
{
    record->IO.DO[39].TYPE = 1;
    CDlgSetIoOutput dialog(*record, 0, 0, ui);
    dialog.show();
    WhenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("DO40"));
        Pick(modal, "output", 1);
        EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
    });
    DoubleClickRow(dialog.Table(), 39);
    EXPECT_EQ(dialog.Words()[0], 0u);
    EXPECT_EQ(dialog.Words()[1], 0x80u);
    EXPECT_EQ(Cell(dialog.Table(), 39, 3), QStringLiteral("ON"));
}

TEST_F(SelectionTest, DisabledOutputsShowOnlyTheirNumberAndDoNotOpen)
{
    record->IO.DO[0].TYPE = 1;
    record->IO.DO[1].TYPE = 2;
    CDlgSetIoOutput dialog(*record, 0x1u, 0, ui);
    dialog.show();
    EXPECT_EQ(Cell(dialog.Table(), 2, 0), QStringLiteral("DO03"));
    EXPECT_EQ(Cell(dialog.Table(), 2, 1), QString());
    EXPECT_EQ(Cell(dialog.Table(), 0, 1), QStringLiteral("DO1"));
    EXPECT_EQ(Cell(dialog.Table(), 0, 3), QStringLiteral("ON"));
    DoubleClickRow(dialog.Table(), 2);  // would block on a modal editor if it opened
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    RowMenu(dialog.Table(), 0, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(dialog.Table(), 1, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(dialog.Words()[0], 0x3u);
    EXPECT_EQ(Cell(dialog.Table(), 1, 3), QStringLiteral("ON"));
}

TEST_F(SelectionTest, ResetMaskIsTakenOnBackOnly)
{
    record->IO.OI[4].TYPE = 1;
    CDlgSetIoAreaReset dialog(*record, CDlgSetIoAreaReset::kFunction, 0, ui);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reset function value"));
    EXPECT_EQ(Cell(dialog.Table(), 4, 0), QStringLiteral("OI05"));
    EXPECT_EQ(Cell(dialog.Table(), 4, 3), QStringLiteral("Disable"));
    WhenModal([](QWidget* modal) {
        Pick(modal, "reset", 1);
        EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
    });
    DoubleClickRow(dialog.Table(), 4);
    EXPECT_EQ(dialog.Mask(), 0x10u);
    Find<QPushButton>(&dialog, "back")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    CDlgSetIoAreaReset closed(*record, CDlgSetIoAreaReset::kTotalized, 0, ui);
    closed.show();
    EXPECT_TRUE(closed.close());
    EXPECT_EQ(closed.result(), QDialog::Rejected);  // the caller keeps its mask
}

TEST_F(SelectionTest, MailEventsEnabledOnlyAndAtMostThree)
{
    for (int i = 0; i < 5; ++i) record->MAIL_REPORT.EVENT[i].MODE = kUse;
    std::strcpy(record->MAIL_REPORT.EVENT[0].TITLE, "Pump alarm");
    CDlgSetIoRep dialog(*record, QStringLiteral("Select event"), 0x1u, ui);
    dialog.show();
    QTableWidget* table = dialog.Table();
    EXPECT_EQ(Cell(table, 0, 0), QStringLiteral("01"));
    EXPECT_EQ(Cell(table, 0, 1), QStringLiteral("Pump alarm"));
    EXPECT_EQ(Cell(table, 10, 1), QString());  // disabled event: no subject
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Checked);

    table->item(10, 0)->setCheckState(Qt::Checked);  // a disabled event
    EXPECT_EQ(table->item(10, 0)->checkState(), Qt::Unchecked);

    DoubleClickRow(table, 1);
    table->item(2, 0)->setCheckState(Qt::Checked);
    table->item(3, 0)->setCheckState(Qt::Checked);  // a fourth mark is allowed in the list
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(ui.Only().text, "Max. 3 events can be set.");
    EXPECT_EQ(dialog.Mask(), 0x1u);

    DoubleClickRow(table, 0);  // toggles off
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.Mask(), 0xEu);
}

}  // namespace
}  // namespace volmar::gui::test
