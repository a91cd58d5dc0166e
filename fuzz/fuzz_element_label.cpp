// Element paths into labels: any bytes give a label with a field, and never
// a read beyond the path.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/settings/ElementLabels.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const volmar::ElementLabel label = volmar::LabelOfElement(path);
    if (label.field.empty()) __builtin_trap();
    (void)volmar::HasElementCaption(path);
    (void)volmar::ShownValue(path);
    return 0;
}
