// The window table: with no stand-in in place, each button of the hub and
// of the I/O menu opens the editor it is captioned for, and a cancelled
// editor leaves the record as it was.
#include <QDialog>

#include <string>

#include "../io/IoTestSupport.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "gui/common/AppContext.h"
#include "gui/common/EditorOpeners.h"

namespace volmar::gui::test {
namespace {

using WindowTable = EditorTest;

TEST_F(WindowTable, EverySlotOpensTheEditorItsButtonNames)
{
    MemoryProfile profile;
    LinkState link;
    AppContext app{profile, link, ui, {}};
    for (EditorSlot slot : {EditorSlot::System, EditorSlot::InputOutput, EditorSlot::Communication, EditorSlot::Mail,
                            EditorSlot::Display, EditorSlot::Record, EditorSlot::IoSlave, EditorSlot::AnalogInput,
                            EditorSlot::DiscreteInput, EditorSlot::PulseInput, EditorSlot::FunctionInput,
                            EditorSlot::DiscreteOutput}) {
        QString shown;
        WhenModal([&shown](QWidget* window) {
            shown = window->windowTitle();
            qobject_cast<QDialog*>(window)->reject();
        });
        const auto before = Snapshot();
        OpenerFor(slot)(*record, app, nullptr);
        EXPECT_EQ(shown.toStdString(), std::string(EditorCaption(slot)));
        EXPECT_TRUE(Unchanged(*before)) << EditorCaption(slot);
    }
}

}  // namespace
}  // namespace volmar::gui::test
