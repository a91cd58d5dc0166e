#pragma once
// The "CH setting" lists of the AI, DI, PI and DO channel editors: each
// entry's text in list order and the TYPE it stores. The list order is not
// the stored order (SLMP came last to the record but sits fourth in the
// lists), so a stored TYPE is always looked up, never used as a position.
// The editors fill their lists from here and the settings report names a
// channel's TYPE with the same words.
#include <cstdint>
#include <span>

namespace volmar {

struct TypeChoice {
    int32_t type;
    const char* text;
};
using TypeChoices = std::span<const TypeChoice>;

TypeChoices AiTypeChoices();
TypeChoices DiTypeChoices();
TypeChoices PiTypeChoices();
TypeChoices DoTypeChoices();

// The type entry stores; 0 for an entry outside the list (none chosen).
int32_t TypeOfEntry(TypeChoices choices, int entry);
// The entry that stores type; 0 ("Disable") when none does.
int EntryOfType(TypeChoices choices, int32_t type);
// The text of the entry that stores type; nullptr when none does.
const char* TextOfType(TypeChoices choices, int32_t type);

}  // namespace volmar
