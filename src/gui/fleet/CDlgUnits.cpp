#include "gui/fleet/CDlgUnits.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>
#include <ctime>
#include <set>

#include "core/common/FileIo.h"
#include "core/compare/SettingChanges.h"
#include "core/fleet/FleetOperations.h"
#include "core/fleet/UnitsFile.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/connect/LinkPreferences.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/UnitMessages.h"
#include "gui/common/AppContext.h"
#include "gui/common/PreferenceBox.h"
#include "gui/common/SettingFileRead.h"
#include "gui/fleet/UnitsRun.h"
#include "gui/hub/CDlgChanges.h"

namespace volmar::gui {
namespace {

constexpr int kPollMs = 250;

const char* OperationName(UnitsOperation kind)
{
    switch (kind) {
    case UnitsOperation::Status: return "Status";
    case UnitsOperation::Backup: return "Backup";
    case UnitsOperation::SetTime: return "Set time";
    case UnitsOperation::Compare: return "Compare";
    case UnitsOperation::Upload: return "Upload";
    }
    return "";
}

std::vector<FleetUnit> AddressBookUnits(Profile& profile)
{
    std::vector<FleetUnit> units;
    for (const AddressBookEntry& e : ReadAddressBook(profile))
        if (e.Used()) units.push_back({e.name, e.address, 0, "", ""});
    return units;
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

CDlgUnits::CDlgUnits(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Units"));
    m_source = new QLabel(this);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table = new QTableWidget(0, kUnitsColumns, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("State"),
                                        QStringLiteral("Progress"), QStringLiteral("Result"),
                                        QStringLiteral("Firmware")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(kColResult, QHeaderView::Stretch);
    m_table->setItemDelegateForColumn(kColProgress, new ProgressDelegate(m_table));
    m_table->setMinimumSize(860, 260);

    m_open = AddButton("Open units file...");
    m_status = AddButton("Status");
    m_backup = AddButton("Backup...");
    m_setTime = AddButton("Set time");
    m_compare = AddButton("Compare with file...");
    m_differences = AddButton("Differences...");
    m_upload = AddButton("Upload...");
    m_verify = PreferenceCheckBox(QStringLiteral("Verify after upload"), m_ctx.profile, kPrefVerifyUpload, this);
    m_cancel = AddButton("Cancel");
    m_close = AddButton("Close");
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* side = new QVBoxLayout;
    side->addWidget(m_open);
    side->addSpacing(12);
    for (QWidget* w :
         {static_cast<QWidget*>(m_status), static_cast<QWidget*>(m_backup), static_cast<QWidget*>(m_setTime),
          static_cast<QWidget*>(m_compare), static_cast<QWidget*>(m_differences), static_cast<QWidget*>(m_upload),
          static_cast<QWidget*>(m_verify)})
        side->addWidget(w);
    side->addStretch(1);
    side->addWidget(m_cancel);
    auto* body = new QGridLayout;
    body->addWidget(m_source, 0, 0);
    body->addWidget(m_table, 1, 0);
    body->addLayout(side, 1, 1);
    body->addWidget(m_summary, 2, 0);
    body->addWidget(m_close, 2, 1);
    body->setColumnStretch(0, 1);
    body->setRowStretch(1, 1);
    setLayout(body);

    connect(m_open, &QPushButton::clicked, this, &CDlgUnits::OpenUnitsFile);
    connect(m_status, &QPushButton::clicked, this, &CDlgUnits::RunStatus);
    connect(m_backup, &QPushButton::clicked, this, &CDlgUnits::Backup);
    connect(m_setTime, &QPushButton::clicked, this, &CDlgUnits::RunSetTime);
    connect(m_compare, &QPushButton::clicked, this, &CDlgUnits::Compare);
    connect(m_differences, &QPushButton::clicked, this, [this] { ShowDifferences(DifferencesRow()); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ShowDifferences(row); });
    connect(m_upload, &QPushButton::clicked, this, &CDlgUnits::Upload);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgUnits::CancelRun);
    connect(m_close, &QPushButton::clicked, this, &CDlgUnits::close);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CDlgUnits::UpdateButtons);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CDlgUnits::UpdateButtons);
    m_poll = new QTimer(this);
    m_poll->setInterval(kPollMs);
    connect(m_poll, &QTimer::timeout, this, &CDlgUnits::PollProgress);

    SetUnits(AddressBookUnits(m_ctx.profile), QStringLiteral("Address book"));
    m_table->setFocus();
}

// Going with the main window: the run is cancelled and waited for as when
// this window is closed.
CDlgUnits::~CDlgUnits()
{
    StopRun();
}

QPushButton* CDlgUnits::AddButton(const char* text)
{
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setAutoDefault(true);
    return b;
}

void CDlgUnits::SetUnits(std::vector<FleetUnit> units, const QString& source)
{
    if (Running()) return;
    m_units = std::move(units);
    m_rowDifferences.clear();
    m_source->setText(QStringLiteral("Units: ") + source);
    m_table->setRowCount(0);
    m_table->setRowCount(static_cast<int>(m_units.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const FleetUnit& unit = m_units[static_cast<size_t>(row)];
        m_table->setItem(row, kColName, Cell(QString::fromStdString(unit.name)));
        m_table->setItem(row, kColAddress, Cell(QString::fromStdString(unit.Where())));
        for (int column : {kColState, kColProgress, kColResult, kColFirmware}) m_table->setItem(row, column, Cell({}));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setSectionResizeMode(kColResult, QHeaderView::Stretch);
    m_table->setColumnWidth(kColProgress, 110);
    m_table->setColumnWidth(kColState, 90);
    m_table->setColumnWidth(kColFirmware, 90);
    m_table->selectAll();
    m_summary->setText(m_units.empty() ? QStringLiteral("No units: fill the address book or open a units file.")
                                       : QString::number(m_units.size()) + QStringLiteral(" unit(s)"));
    UpdateButtons();
}

bool CDlgUnits::LoadUnitsFile(const QString& path)
{
    std::string text, why;
    std::vector<FleetUnit> units;
    if (!ReadWholeFile(path.toStdString(), kMaxUnitsFile, text, &why)) {
        m_ctx.ui.Show({MessageIcon::Error, "Cannot read " + why});
        return false;
    }
    if (!ParseUnitsFile(text, units, why)) {
        m_ctx.ui.Show({MessageIcon::Error, path.toStdString() + ": " + why});
        return false;
    }
    SetUnits(std::move(units), path);
    return true;
}

void CDlgUnits::OpenUnitsFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open units file"), {},
                                                      QStringLiteral("Units file (*.csv);;All files (*)"));
    if (!path.isEmpty()) LoadUnitsFile(path);
}

QString CDlgUnits::AskSettingsFile(const QString& caption)
{
    return QFileDialog::getOpenFileName(this, caption, {}, QStringLiteral("QNSET File(*.xml)"));
}

void CDlgUnits::Backup()
{
    const QString dir = QFileDialog::getExistingDirectory(this, QStringLiteral("Backup to folder"));
    if (!dir.isEmpty()) RunBackup(dir);
}

void CDlgUnits::Compare()
{
    const QString file = AskSettingsFile(QStringLiteral("Compare with file"));
    if (!file.isEmpty()) RunCompare(file);
}

void CDlgUnits::Upload()
{
    const QString file = AskSettingsFile(QStringLiteral("Upload"));
    if (!file.isEmpty()) RunUpload(file);
}

void CDlgUnits::RunStatus()
{
    Start(UnitsOperation::Status, FleetStatusOperation());
}

void CDlgUnits::RunSetTime()
{
    Start(UnitsOperation::SetTime, FleetTimeSyncOperation());
}

void CDlgUnits::RunBackup(const QString& dir)
{
    // One file per unit name and stamp: two units of one name would share it.
    std::set<std::string> names;
    for (int row : SelectedRows()) {
        const std::string& name = m_units[static_cast<size_t>(row)].name;
        if (!names.insert(name).second) {
            m_ctx.ui.Show({MessageIcon::Warning,
                           "Two of the selected units are named " + name + ": their backups would share one file."});
            return;
        }
    }
    m_backupDir = dir.toStdString();
    Start(UnitsOperation::Backup, FleetBackupOperation(m_backupDir, std::time(nullptr)));
}

void CDlgUnits::RunCompare(const QString& settingsFile)
{
    if (Running() || SelectedRows().empty()) return;
    auto file = std::make_shared<SettingRecord>();
    if (!ReadSettingsFile(m_ctx, settingsFile.toStdString(), *file)) return;
    auto differences = std::make_shared<std::vector<std::vector<SettingDifference>>>(m_units.size());
    if (Start(UnitsOperation::Compare, FleetDiffOperation(file, differences))) m_runDifferences = differences;
}

void CDlgUnits::RunUpload(const QString& settingsFile)
{
    if (Running() || SelectedRows().empty()) return;
    auto file = std::make_shared<SettingRecord>();
    if (!ReadSettingsFile(m_ctx, settingsFile.toStdString(), *file)) return;
    // One question for the whole run.
    if (!m_ctx.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return;
    Start(UnitsOperation::Upload, FleetUploadOperation(file, m_verify->isChecked()));
}

std::vector<int> CDlgUnits::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->selectionModel()->isRowSelected(row, {})) rows.push_back(row);
    return rows;
}

bool CDlgUnits::Start(UnitsOperation kind, FleetOperation operation)
{
    const std::vector<int> rows = SelectedRows();
    if (Running() || rows.empty()) return false;
    // The login once for the run, through the login prompt; the password
    // stays in the run's settings only.
    FleetSettings settings;
    {
        LinkState login;
        if (!PromptLogin(login, m_ctx.ui)) return false;
        settings.credentials.login = std::string(login.loginId);
        settings.credentials.password = std::string(login.password);
        std::memset(login.password, 0, sizeof login.password);
        // The port of the preferences ("NETPORT"); each unit's protocol is
        // found on the way.
        ReadLinkPreferences(m_ctx.profile, login);
        settings.tcpPort = login.tcpPort;
    }
    settings.deadline = m_deadline;
    settings.timeouts = m_ctx.linkOptions.timeouts;

    m_kind = kind;
    m_runRows = rows;
    m_runUnits.clear();
    m_runDifferences.reset();
    for (int row : rows) {
        m_rowDifferences.erase(row);
        m_runUnits.push_back(m_units[static_cast<size_t>(row)]);
        m_table->item(row, kColState)->setText(StateText(FleetState::Waiting));
        m_table->item(row, kColProgress)->setData(kProgressRole, -1);
        m_table->item(row, kColResult)->setText({});
        m_table->item(row, kColResult)->setToolTip({});
    }
    m_rowEnded.assign(rows.size(), false);
    m_started = std::chrono::steady_clock::now();
    m_summary->setText(QString::fromUtf8(OperationName(kind)) + QStringLiteral(": ") + QString::number(rows.size()) +
                       QStringLiteral(" unit(s) running..."));
    m_run = std::make_unique<UnitsRun>(
        std::move(settings), m_runUnits, std::move(operation),
        [this](size_t index, const FleetResult& result) { Ended(index, result); },
        [this](const std::vector<FleetResult>& results) { Finished(results); });
    m_poll->start();
    UpdateButtons();
    return true;
}

void CDlgUnits::ShowEnded(int row, UnitsOperation operation, const FleetResult& result)
{
    m_table->item(row, kColState)->setText(StateText(result.state));
    m_table->item(row, kColProgress)->setData(kProgressRole, result.state == FleetState::Succeeded ? 100 : -1);
    const QString text = ResultText(operation, result);
    m_table->item(row, kColResult)->setText(text);
    m_table->item(row, kColResult)->setToolTip(text);
    if (const std::string* firmware = result.Field("firmware"))
        m_table->item(row, kColFirmware)->setText(QString::fromStdString(*firmware));
}

void CDlgUnits::ShowRunning(int row, int64_t done, int64_t total)
{
    m_table->item(row, kColState)->setText(StateText(FleetState::Running));
    m_table->item(row, kColProgress)->setData(kProgressRole, Percent(done, total));
}

int CDlgUnits::DifferencesRow() const
{
    const auto differs = [this](int row) {
        const auto it = m_rowDifferences.find(row);
        return it != m_rowDifferences.end() && !it->second.empty();
    };
    if (differs(m_table->currentRow())) return m_table->currentRow();
    for (int row : SelectedRows())
        if (differs(row)) return row;
    return -1;
}

void CDlgUnits::ShowDifferences(int row)
{
    const auto it = m_rowDifferences.find(row);
    if (Running() || it == m_rowDifferences.end() || it->second.empty()) return;
    ChangesView view;
    view.mode = ChangesMode::Compare;
    view.differences = it->second;
    view.rightTitle = QStringLiteral("In the file");
    CDlgChanges changes(std::move(view), nullptr, this);
    changes.setWindowTitle(QStringLiteral("Compare: ") + QString::fromStdString(m_units[static_cast<size_t>(row)].name));
    changes.exec();
    m_table->setFocus();
}

void CDlgUnits::Ended(size_t index, const FleetResult& result)
{
    if (index >= m_runRows.size()) return;
    m_rowEnded[index] = true;
    ShowEnded(m_runRows[index], m_kind, result);
}

void CDlgUnits::PollProgress()
{
    if (!m_run) return;
    for (size_t i = 0; i < m_runRows.size(); ++i) {
        if (m_rowEnded[i] || m_run->StateOf(i) != FleetState::Running) continue;
        const auto [done, total] = m_run->ProgressOf(i);
        ShowRunning(m_runRows[i], done, total);
    }
}

void CDlgUnits::Finished(const std::vector<FleetResult>& results)
{
    m_poll->stop();
    size_t succeeded = 0, cancelled = 0;
    for (const FleetResult& r : results) {
        succeeded += r.state == FleetState::Succeeded;
        cancelled += r.state == FleetState::Cancelled;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    QString summary = QString::fromUtf8(OperationName(m_kind)) + QStringLiteral(": %1 unit(s), %2 succeeded, %3 failed")
                                                                     .arg(results.size())
                                                                     .arg(succeeded)
                                                                     .arg(results.size() - succeeded - cancelled);
    if (cancelled > 0) summary += QStringLiteral(", %1 cancelled").arg(cancelled);
    m_summary->setText(summary + QStringLiteral(" (%1 s)").arg(seconds, 0, 'f', 1));
    m_run.reset();
    if (m_kind == UnitsOperation::Compare && m_runDifferences) {
        for (size_t i = 0; i < results.size() && i < m_runRows.size(); ++i)
            if (results[i].state == FleetState::Succeeded)
                m_rowDifferences[m_runRows[i]] = std::move((*m_runDifferences)[i]);
        m_runDifferences.reset();
    }
    UpdateButtons();
    std::string error;
    if (m_kind == UnitsOperation::Backup && !WriteBackupIndex(m_backupDir, m_runUnits, results, &error))
        m_ctx.ui.Show({MessageIcon::Error, "Cannot write " + error});
}

void CDlgUnits::CancelRun()
{
    if (!m_run) return;
    m_run->Cancel();
    m_cancel->setEnabled(false);
    m_summary->setText(QString::fromUtf8(OperationName(m_kind)) + QStringLiteral(": cancelling..."));
}

void CDlgUnits::StopRun()
{
    if (!m_run) return;
    m_poll->stop();
    // Cancelled and waited for; what ended is summed up (and indexed) as
    // for a run that ended by itself.
    if (m_run->Stop()) {
        const std::vector<FleetResult> results = m_run->Results();
        Finished(results);
    }
    m_run.reset();
    UpdateButtons();
}

void CDlgUnits::reject()
{
    StopRun();
    QDialog::reject();
}

void CDlgUnits::closeEvent(QCloseEvent* event)
{
    StopRun();
    QDialog::closeEvent(event);
}

void CDlgUnits::UpdateButtons()
{
    const bool idle = !m_run;
    const bool any = idle && !SelectedRows().empty();
    m_open->setEnabled(idle);
    for (QPushButton* b : {m_status, m_backup, m_setTime, m_compare, m_upload}) b->setEnabled(any);
    m_cancel->setEnabled(!idle);
    m_differences->setEnabled(idle && DifferencesRow() >= 0);
}

}  // namespace volmar::gui
