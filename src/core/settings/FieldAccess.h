#pragma once
// Loads and stores record fields through the schema's offsets. memcpy keeps
// the accesses free of alignment and aliasing assumptions.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/settings/DocumentSchema.h"

namespace volmar {

inline int64_t LoadInt(const char* p, Store store)
{
    switch (store) {
    case Store::U8: { uint8_t v; std::memcpy(&v, p, 1); return v; }
    case Store::I16: { int16_t v; std::memcpy(&v, p, 2); return v; }
    case Store::U16: { uint16_t v; std::memcpy(&v, p, 2); return v; }
    case Store::I32: { int32_t v; std::memcpy(&v, p, 4); return v; }
    case Store::U32: { uint32_t v; std::memcpy(&v, p, 4); return v; }
    }
    return 0;
}

// Stores the low bits of a 32-bit value in the field's width.
inline void StoreInt(char* p, Store store, uint32_t value)
{
    switch (store) {
    case Store::U8: { uint8_t v = static_cast<uint8_t>(value); std::memcpy(p, &v, 1); return; }
    case Store::I16:
    case Store::U16: { uint16_t v = static_cast<uint16_t>(value); std::memcpy(p, &v, 2); return; }
    case Store::I32:
    case Store::U32: std::memcpy(p, &value, 4); return;
    }
}

inline int32_t LoadI32(const char* p)
{
    int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline double LoadDouble(const char* p)
{
    double v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void StoreDouble(char* p, double v) { std::memcpy(p, &v, sizeof v); }

// The bytes a leaf's field takes in the record.
inline size_t FieldWidth(const Node& n)
{
    switch (n.fmt) {
    case Fmt::Text: return n.size;
    case Fmt::Real:
    case Fmt::PenReal: return sizeof(double);
    case Fmt::InputRef: return 2 * sizeof(int32_t);
    case Fmt::Int: return n.store == Store::U8 ? 1 : (n.store == Store::I16 || n.store == Store::U16) ? 2 : 4;
    default: return sizeof(int32_t);
    }
}

}  // namespace volmar
