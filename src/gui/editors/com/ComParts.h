#pragma once
// Parts the network-service editors share: "Disable"/"Enable" mode combos,
// stored selections that survive when the list does not offer them, and
// port fields that never wrap.
#include <QComboBox>
#include <QLineEdit>
#include <cstdint>

#include "gui/editors/kit/GuardedCombo.h"
#include "core/rules/ComRules.h"

namespace volmar::gui::com {

constexpr int kDisable = 0;
constexpr int kEnable = 1;
constexpr uint64_t kPortMax = rules::kPortMax;

// "Disable" / "Enable", changes checked by a guard.
kit::GuardedCombo* MakeGuardedMode(const char* name);
// A plain combo with fixed entries.
QComboBox* MakeList(const char* name, kit::Entries entries);

// Selects the stored entry; a value the list does not offer selects nothing.
void SelectStored(QComboBox* combo, int32_t value);
// The selected entry into the field; with nothing selected the field keeps
// the value it had.
void StoreSelected(const QComboBox* combo, int32_t& field);

// A digits-only edit showing value.
QLineEdit* MakeNumberEdit(const char* name, int64_t value);
// The number a digits text reads as (empty 0; too long reads as too big).
uint64_t NumberOf(const QLineEdit* edit);
// Stores a port only when it is within 0 to 65535: an unchecked field (the
// service is disabled) keeps the old port rather than wrapping.
template <typename T>
void StorePort(const QLineEdit* edit, T& field)
{
    const uint64_t port = NumberOf(edit);
    if (port <= kPortMax) field = static_cast<T>(port);
}

}  // namespace volmar::gui::com
