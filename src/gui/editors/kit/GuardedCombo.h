#pragma once
// A mode combo whose changes are checked before they take effect. The combo
// keeps the last accepted selection; when the user picks another entry it
// shows the accepted one again, asks the guard (which reads the other
// controls as they are under the old mode and shows its own message on
// failure), and only when the guard agrees moves to the new entry and emits
// Accepted. A refused change leaves the old selection in place. The guard
// runs in a GuardScope: disabled fields pass its checks (CheckScope.h).
#include <QComboBox>
#include <functional>
#include <initializer_list>
#include <vector>

#include "core/settings/ChannelTypes.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui::kit {

// The texts of a fixed list: written out where the list is made, or one of
// the core's editor lists (whose skipped values show no entry).
class Entries {
public:
    Entries(std::initializer_list<const char*> texts) : m_texts(texts) {}
    Entries(const EntryList& list) : m_texts(list.texts, list.texts + list.count) {}  // NOLINT: converts on purpose

    auto begin() const { return m_texts.begin(); }
    auto end() const { return m_texts.end(); }

private:
    std::vector<const char*> m_texts;
};

class GuardedCombo : public QComboBox {
    Q_OBJECT
public:
    // from and to are entry indexes (from is -1 when nothing was selected);
    // true lets the change through.
    using Guard = std::function<bool(int from, int to)>;

    explicit GuardedCombo(QWidget* parent = nullptr);
    GuardedCombo(Entries entries, QWidget* parent = nullptr);
    // A "CH setting" list: the choices' texts in their order.
    explicit GuardedCombo(TypeChoices choices, QWidget* parent = nullptr);

    void SetGuard(Guard guard) { m_guard = std::move(guard); }
    // Selects an entry from code: no guard, no Accepted.
    void Select(int index);

signals:
    void Accepted(int index);

protected:
    void showPopup() override;

private:
    void OnIndexChanged(int index);

    Guard m_guard;
    int m_accepted = -1;
    bool m_busy = false;
};

// Fills a combo with fixed entries.
void Fill(QComboBox* combo, Entries entries);

}  // namespace volmar::gui::kit
