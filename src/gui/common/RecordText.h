#pragma once
// The editors' side of the record's texts: NUL-terminated UTF-8 in fixed
// buffers there, QString in the controls.
#include <cstddef>

#include <QString>

namespace volmar::gui {

QString RecordText(const char* field);
// Encodes text as UTF-8 into a field of capacity bytes (NUL included), cut
// on a character boundary if it does not fit.
void StoreRecordText(char* field, size_t capacity, const QString& text);
template <size_t N>
void StoreRecordText(char (&field)[N], const QString& text)
{
    StoreRecordText(field, N, text);
}

}  // namespace volmar::gui
