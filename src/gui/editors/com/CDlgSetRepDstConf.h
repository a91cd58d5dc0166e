#pragma once
// "No.%02d": how one address-book entry receives a report ("To/Cc").
#include <cstdint>

#include "gui/editors/kit/EditorDialog.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetRepDstConf : public kit::EditorDialog {
    Q_OBJECT
public:
    // entry counts from 0; kind as stored (0 None, 1 To, 2 Cc, 3 Bcc).
    CDlgSetRepDstConf(int entry, int32_t kind, Interaction& ui, QWidget* parent = nullptr);
    int32_t Kind() const;

protected:
    bool Confirm() override { return true; }

private:
    QComboBox* m_kind;
    int32_t m_stored;
};

}  // namespace volmar::gui
