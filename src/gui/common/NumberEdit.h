#pragma once
// Edits for numbers: digits only, read with a plain decimal conversion in
// which an empty text counts as 0.
#include <cstdint>

#include <QString>

class QLineEdit;
class QWidget;

namespace volmar::gui {

QLineEdit* NewDigitsEdit(QWidget* parent = nullptr);
// The value of a digits-only text; a value too long to hold reads as
// UINT64_MAX, so it fails every range check instead of wrapping.
uint64_t DigitsValue(const QString& text);

}  // namespace volmar::gui
