#include "gui/editors/kit/GuardedCombo.h"

#include "gui/editors/kit/CheckScope.h"

namespace volmar::gui::kit {

GuardedCombo::GuardedCombo(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &GuardedCombo::OnIndexChanged);
}

GuardedCombo::GuardedCombo(Entries entries, QWidget* parent)
    : GuardedCombo(parent)
{
    Fill(this, entries);
}

GuardedCombo::GuardedCombo(TypeChoices choices, QWidget* parent) : GuardedCombo(parent)
{
    for (const TypeChoice& c : choices) addItem(QString::fromUtf8(c.text));
}

void GuardedCombo::Select(int index)
{
    m_busy = true;
    setCurrentIndex(index);
    m_busy = false;
    m_accepted = currentIndex();
}

void GuardedCombo::showPopup()
{
    // The selection the list opens on is the one a refused change returns to.
    m_accepted = currentIndex();
    QComboBox::showPopup();
}

void GuardedCombo::OnIndexChanged(int index)
{
    if (m_busy || index == m_accepted) return;
    const int from = m_accepted;
    m_busy = true;
    setCurrentIndex(from);  // the guard sees the controls under the old mode
    // A list that selected nothing (a stored value it does not offer) is
    // guarded like any other: the fields shown for that value are checked.
    bool ok = true;
    if (m_guard) {
        const GuardScope scope;
        ok = m_guard(from, index);
    }
    if (ok) setCurrentIndex(index);
    m_busy = false;
    if (!ok) return;
    m_accepted = index;
    emit Accepted(index);
}

void Fill(QComboBox* combo, Entries entries)
{
    const bool blocked = combo->blockSignals(true);
    for (const char* entry : entries) {
        if (entry) combo->addItem(QString::fromUtf8(entry));
    }
    combo->blockSignals(blocked);
    if (auto* guarded = qobject_cast<GuardedCombo*>(combo)) guarded->Select(combo->currentIndex());
}

}  // namespace volmar::gui::kit
