#pragma once
// What an upload changes on a unit: the setting the unit will hold once a
// settings document has been applied on top of what it holds now (a unit
// keeps what the document leaves out, such as its own network addresses and
// the configurator-access block), and the differences between the two.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/ElementLabels.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// Preferences: show the changes before an upload, verify after it (1, the
// default) or not (0); in the section kProfileSection.
inline constexpr const char* kPrefShowChanges = "SHOW_CHANGES";
inline constexpr const char* kPrefVerifyUpload = "VERIFY_UPLOAD";

// base with document read on top of it. Values the reader refuses keep
// base's; flags, when given, receives the reader's flags.
std::unique_ptr<SettingRecord> SettingAfterDocument(const SettingRecord& base, const std::string& document,
                                                    int* flags = nullptr);

// The differences between base (left) and base with document applied
// (right), in document order.
std::vector<SettingDifference> ChangesOfDocument(const SettingRecord& base, const std::string& document);

// Seconds that bytes of payload take at the serial line rate, 38400 baud
// with 8N1 framing (ten bits a byte).
constexpr int kSerialLineRate = 38400;
inline double SerialSeconds(size_t bytes) { return static_cast<double>(bytes) * 10.0 / kSerialLineRate; }

}  // namespace volmar
