#pragma once
// The editors' field checks on typed texts, built on the core's value-text
// checks, and the "Setting error:" report of a refused field.
#include <QLineEdit>
#include <cstdint>

namespace volmar {
class Interaction;
}

namespace volmar::gui::kit {

// Shows text with the error icon; returns false so a confirm can
// `return Refuse(ui, "Setting error: ...");`.
bool Refuse(Interaction& ui, const char* text);

// Integer text (optional leading sign, digits only) within [min, max].
bool IntegerIn(const QLineEdit* edit, int64_t min, int64_t max, int64_t* value = nullptr);
// Decimal text that converts completely without overflow, within [min, max].
bool SignedIn(const QLineEdit* edit, int64_t min, int64_t max, int64_t* value = nullptr);
bool UnsignedIn(const QLineEdit* edit, uint64_t min, uint64_t max, uint64_t* value = nullptr);
// Hexadecimal text likewise.
bool HexIn(const QLineEdit* edit, uint64_t min, uint64_t max, uint64_t* value = nullptr);

// IntegerIn as the editors' field checks run it: a disabled field passes
// while a guard runs (CheckScope.h).
bool IntegerField(const QLineEdit* edit, int64_t min, int64_t max);

// The value of a text that passed one of the checks above (0 otherwise).
int64_t SignedValue(const QLineEdit* edit);
uint64_t UnsignedValue(const QLineEdit* edit);
uint64_t HexValue(const QLineEdit* edit);

}  // namespace volmar::gui::kit
