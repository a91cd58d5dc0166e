#include "gui/editors/io/ChannelList.h"

#include <memory>

#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>

#include "core/common/FileIo.h"
#include "core/link/transfer/Interaction.h"
#include "core/sheets/Csv.h"
#include "gui/common/SettingFileSave.h"
#include "gui/hub/CDlgChanges.h"

namespace volmar::gui {
namespace {

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<std::string> AskTablePath(QWidget* parent, bool save, const std::string& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("CSV File(*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (save) dialog.selectFile(QString::fromStdString(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

ChangesView ImportView(const SettingRecord& record, SettingRecord& imported, std::string_view csv,
                       sheets::ChannelSheet kind, const std::string& file)
{
    ChangesView view;
    view.mode = ChangesMode::Import;
    view.leftTitle = QStringLiteral("Now");
    view.rightTitle = QStringLiteral("Imported");
    const std::vector<sheets::SheetRefusal> refusals = sheets::ImportChannelTable(imported, csv, kind);
    for (const sheets::SheetRefusal& r : refusals) view.refusals.push_back(r.Text(file));
    if (refusals.empty()) view.differences = CompareSettings(record, imported);
    return view;
}

ChannelList::ChannelList(const QString& title, sheets::ChannelSheet kind, SettingRecord& record, Interaction& ui,
                         QWidget* parent)
    : ListDialog(title, {{"CH", 60}, {"CH name", 150}, {"CH comment", 150}}, parent),
      m_record(record),
      m_ui(ui),
      m_kind(kind)
{
    QPushButton* exportButton = AddLeadingButton(QStringLiteral("Export..."));
    exportButton->setObjectName(QStringLiteral("export"));
    QPushButton* importButton = AddLeadingButton(QStringLiteral("Import..."));
    importButton->setObjectName(QStringLiteral("import"));
    connect(exportButton, &QPushButton::clicked, this, &ChannelList::OnExport);
    connect(importButton, &QPushButton::clicked, this, &ChannelList::OnImport);
    // The list, then the two, then the buttons at the right as before.
    setTabOrder(Table(), exportButton);
    setTabOrder(exportButton, importButton);
    // Where the buttons make the window wider than the columns (DO), the
    // comment column takes the room.
    Table()->horizontalHeader()->setStretchLastSection(true);
}

std::string ChannelList::SuggestedName() const { return std::string(sheets::ChannelSheetName(m_kind)) + ".csv"; }

void ChannelList::OnExport()
{
    const std::optional<std::string> path = m_choosePath(this, true, SuggestedName());
    if (!path) return;
    std::string error;
    switch (SaveSettingFile(*path, sheets::ExportChannelTable(m_record, m_kind), &error)) {
    case SaveOutcome::CannotOpen: m_ui.Show({MessageIcon::Error, "Failed to Open File\n" + error}); return;
    case SaveOutcome::WriteFailed: m_ui.Show({MessageIcon::Error, "Failed to save file.\n" + error}); return;
    case SaveOutcome::Saved: break;
    }
    m_ui.Show({MessageIcon::Information, "File saved."});
}

void ChannelList::OnImport()
{
    const std::optional<std::string> path = m_choosePath(this, false, SuggestedName());
    if (!path) return;
    std::string csv, error;
    if (!ReadWholeFile(*path, sheets::kMaxCsvBytes, csv, &error)) {
        m_ui.Show({MessageIcon::Error, "Failed to Open File\n" + error});
        return;
    }
    auto imported = std::make_unique<SettingRecord>(m_record);
    ChangesView view = ImportView(m_record, *imported, csv, m_kind, FileNameOf(*path));
    const bool refused = !view.refusals.empty();
    CDlgChanges changes(std::move(view), nullptr, this);
    if (changes.exec() != QDialog::Accepted || refused) return;
    m_record = *imported;
    for (int row = 0; row < Table()->rowCount(); ++row) RefreshRow(row);
}

}  // namespace volmar::gui
