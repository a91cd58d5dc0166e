#pragma once
// Where an analog or pulse input reads its word value: the shared source
// fields with the Input and Holding register types and, for a pulse input,
// an "Invert" check box beside the register address (SWAP) and one beside
// the decimal device number (SLMP_SW).
#include <optional>

#include "gui/editors/io/SourceFields.h"

class QCheckBox;

namespace volmar::gui {

// The two "Invert" check boxes: checked or not.
struct WordInvert {
    bool swap = false;
    bool slmpSwap = false;
};

class WordSourceFields : public SourceFields {
    Q_OBJECT
public:
    // Without `invert` the check boxes are left out.
    WordSourceFields(const SettingRecord& record, const SourceRules& rules, const SourceAddress& shown,
                     std::optional<WordInvert> invert, QObject* parent);

    // The fields as typed; a number that fails its check reads 0, so only
    // call after Check passed.
    SourceAddress Address() const;
    // Only with the check boxes shown.
    WordInvert Invert() const;

private:
    QComboBox* m_regType;
    QCheckBox* m_swap = nullptr;
    QCheckBox* m_slmpSwap = nullptr;
};

}  // namespace volmar::gui
