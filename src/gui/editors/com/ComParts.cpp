#include "gui/editors/com/ComParts.h"

#include "gui/common/NumberEdit.h"
#include "gui/editors/kit/Form.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui::com {

kit::GuardedCombo* MakeGuardedMode(const char* name)
{
    return kit::Named(new kit::GuardedCombo(entries::Switch), name);
}

QComboBox* MakeList(const char* name, kit::Entries entries)
{
    auto* combo = kit::Named(new QComboBox, name);
    kit::Fill(combo, entries);
    return combo;
}

void SelectStored(QComboBox* combo, int32_t value)
{
    const int index = value >= 0 && value < combo->count() ? value : -1;
    if (auto* guarded = qobject_cast<kit::GuardedCombo*>(combo))
        guarded->Select(index);
    else
        combo->setCurrentIndex(index);
}

void StoreSelected(const QComboBox* combo, int32_t& field)
{
    if (combo->currentIndex() >= 0) field = combo->currentIndex();
}

QLineEdit* MakeNumberEdit(const char* name, int64_t value)
{
    QLineEdit* edit = kit::Named(NewDigitsEdit(), name);
    edit->setText(QString::number(value));
    edit->setMaximumWidth(100);
    return edit;
}

uint64_t NumberOf(const QLineEdit* edit) { return DigitsValue(edit->text()); }

}  // namespace volmar::gui::com
