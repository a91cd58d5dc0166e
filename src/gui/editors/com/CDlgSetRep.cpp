#include "gui/editors/com/CDlgSetRep.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetRepAddr.h"
#include "gui/editors/com/CDlgSetRepErrorDo.h"
#include "gui/editors/com/CDlgSetRepEvent.h"
#include "gui/editors/com/CDlgSetRepTimeItem.h"
#include "gui/editors/kit/EditorDialog.h"
#include "gui/editors/kit/Form.h"

namespace volmar::gui {

namespace {

template <typename Dialog>
void Run(SettingRecord& record, Interaction& ui, QWidget* parent)
{
    Dialog dialog(record, ui, parent);
    dialog.exec();
}

}  // namespace

CDlgSetRep::CDlgSetRep(SettingRecord& record, Interaction& ui, QWidget* parent)
    : QDialog(parent), m_record(record), m_ui(ui)
{
    setWindowTitle(QStringLiteral("E-mail"));
    auto* layout = new QVBoxLayout(this);
    using Open = void (*)(SettingRecord&, Interaction&, QWidget*);
    const struct {
        const char* name;
        const char* text;
        Open open;
    } entries[] = {{"addresses", "Address list", &Run<CDlgSetRepAddr>},
                   {"events", "Event report", &Run<CDlgSetRepEvent>},
                   {"regular", "Regular report", &Run<CDlgSetRepTimeItem>},
                   {"failure", "Delivery failure output", &Run<CDlgSetRepErrorDo>}};
    for (const auto& entry : entries) {
        QPushButton* button = kit::Named(kit::MakeButton(QString::fromUtf8(entry.text), this), entry.name);
        button->setMinimumHeight(30);
        connect(button, &QPushButton::clicked, this, [this, open = entry.open] { open(m_record, m_ui, this); });
        layout->addWidget(button);
    }
    layout->addSpacing(8);
    QPushButton* back = kit::Named(kit::MakeButton(QStringLiteral("Back"), this), "back");
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(back);
    layout->addLayout(row);
    setMinimumWidth(280);
}

}  // namespace volmar::gui
