#include "gui/hub/CDlgChanges.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/PreferenceBox.h"
#include "core/common/Profile.h"
#include "gui/hub/ChangesModel.h"
#include "core/compare/SettingChanges.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui {
namespace {

QString Count(int n, const char* one, const char* many)
{
    return n == 1 ? QString::fromUtf8(one) : QString::fromUtf8(many).arg(n);
}

QString SummaryOf(const ChangesView& view)
{
    const int n = static_cast<int>(view.differences.size());
    switch (view.mode) {
    case ChangesMode::BeforeUpload:
        return n == 0 ? QStringLiteral("The unit already holds this setting: nothing differs. You may still upload it.")
                      : Count(n, "1 setting changes on the unit.", "%1 settings change on the unit.");
    case ChangesMode::AfterUpload:
        return n == 0 ? QStringLiteral("The unit holds the uploaded setting.")
                      : Count(n, "The unit holds something else: 1 setting differs from the upload.",
                              "The unit holds something else: %1 settings differ from the upload.");
    case ChangesMode::Import:
        if (!view.refusals.empty())
            return Count(static_cast<int>(view.refusals.size()),
                         "Nothing is imported: 1 entry of the table is refused.",
                         "Nothing is imported: %1 entries of the table are refused.");
        return n == 0 ? QStringLiteral("The table changes nothing.")
                      : Count(n, "1 setting changes with the table.", "%1 settings change with the table.");
    case ChangesMode::Compare:
        break;
    }
    return n == 0 ? QStringLiteral("Both settings are the same.")
                  : Count(n, "1 setting differs.", "%1 settings differ.");
}

QString TitleOf(ChangesMode mode)
{
    switch (mode) {
    case ChangesMode::BeforeUpload: return QStringLiteral("Changes before upload");
    case ChangesMode::AfterUpload: return QStringLiteral("Verify after upload");
    case ChangesMode::Import: return QStringLiteral("Import");
    case ChangesMode::Compare: break;
    }
    return QStringLiteral("Compare");
}

QString Seconds(double s)
{
    return s < 10 ? QString::number(s, 'f', 1) : QString::number(static_cast<long long>(s + 0.5));
}

// The check box that switches the window off for later uploads.
QCheckBox* PreferenceBox(ChangesMode mode, Profile* profile, QWidget* parent)
{
    if (!profile || mode == ChangesMode::Compare || mode == ChangesMode::Import) return nullptr;
    const bool before = mode == ChangesMode::BeforeUpload;
    QCheckBox* box = PreferenceCheckBox(before ? QStringLiteral("Show changes before upload")
                                               : QStringLiteral("Verify after upload"),
                                        *profile, before ? kPrefShowChanges : kPrefVerifyUpload, parent);
    box->setObjectName(QStringLiteral("preference"));
    return box;
}

// The refusals of an import, one a line, selectable for copying.
QListWidget* RefusalList(const std::vector<std::string>& refusals, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("refusals"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const std::string& text : refusals) list->addItem(QString::fromStdString(text));
    return list;
}

}  // namespace

CDlgChanges::CDlgChanges(ChangesView view, Profile* profile, QWidget* parent)
    : QDialog(parent),
      m_model(new ChangesModel(this)),
      m_filter(new ChangesFilter(this)),
      m_table(new QTableView(this)),
      m_filterBox(new QLineEdit(this)),
      m_summary(new QLabel(SummaryOf(view), this))
{
    setWindowTitle(TitleOf(view.mode));
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    if (view.serialSeconds) {
        auto* times = new QLabel(QStringLiteral("Over the serial link (38400 baud): download about %1 s, upload about %2 s.")
                                     .arg(Seconds(view.serialSeconds->first), Seconds(view.serialSeconds->second)),
                                 this);
        times->setObjectName(QStringLiteral("times"));
        layout->addWidget(times);
    }

    m_filterBox->setObjectName(QStringLiteral("filter"));
    m_filterBox->setPlaceholderText(QStringLiteral("Filter"));
    m_filterBox->setClearButtonEnabled(true);
    layout->addWidget(m_filterBox);

    m_model->SetTitles(view.leftTitle, view.rightTitle);
    m_model->SetDifferences(std::move(view.differences));
    m_filter->setSourceModel(m_model);
    m_table->setObjectName(QStringLiteral("changes"));
    m_table->setModel(m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    m_table->verticalHeader()->hide();
    // Fixed row heights and column widths keep thousands of rows quick.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(ChangesModel::kSetting, 240);
    m_table->setColumnWidth(ChangesModel::kLeft, 170);
    m_table->setVisible(m_model->DifferenceCount() > 0);
    m_filterBox->setVisible(m_model->DifferenceCount() > 0);
    layout->addWidget(m_table, 1);
    connect(m_filterBox, &QLineEdit::textChanged, m_filter, &ChangesFilter::SetNeedle);
    if (!view.refusals.empty()) layout->addWidget(RefusalList(view.refusals, this), 1);

    if (QCheckBox* box = PreferenceBox(view.mode, profile, this)) layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    if (view.mode == ChangesMode::BeforeUpload) {
        QPushButton* upload = buttons->addButton(QStringLiteral("Upload"), QDialogButtonBox::AcceptRole);
        upload->setObjectName(QStringLiteral("upload"));
        upload->setDefault(true);
        buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    } else if (view.mode == ChangesMode::Import && view.refusals.empty()) {
        QPushButton* apply = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::AcceptRole);
        apply->setObjectName(QStringLiteral("apply"));
        apply->setDefault(true);
        buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    } else {
        QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
        close->setObjectName(QStringLiteral("close"));
        close->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the three columns; a window without rows stays small.
    const bool rows = m_model->DifferenceCount() > 0 || !view.refusals.empty();
    setMinimumSize(rows ? QSize(600, 360) : QSize(400, 0));
}

CDlgChanges::~CDlgChanges() = default;

QString CDlgChanges::Summary() const { return m_summary->text(); }

}  // namespace volmar::gui
