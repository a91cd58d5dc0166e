#pragma once
// A reset record to copy from: resetting anew on every input would cost
// more than the parse.
#include <memory>

#include "core/settings/SettingRecord.h"

inline const volmar::SettingRecord* FuzzDefaults()
{
    static auto defaults = [] {
        auto r = std::make_unique<volmar::SettingRecord>();
        volmar::ResetSettingRecord(*r);
        return r;
    }();
    return defaults.get();
}
