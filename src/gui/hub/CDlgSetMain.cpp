#include "gui/hub/CDlgSetMain.h"

#include <cstring>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/hub/ReportPreview.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/EditorOpeners.h"
#include "gui/common/GuideHelp.h"
#include "gui/common/PreferenceBox.h"
#include "gui/hub/ChangeSteps.h"
#include "core/compare/SettingChanges.h"
#include "gui/common/SettingFileSave.h"
#include "gui/hub/SettingUploadStep.h"
#include "core/link/connect/LinkDescription.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {
namespace {

constexpr const char* kDefaultFileName = "volmar.xml";
constexpr const char* kMsgDiscard = "Discarding present setting to return to main menu";

}  // namespace

std::optional<std::string> AskSettingFilePath(QWidget* parent, const std::string& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("QNSET File(*.xml)"));
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    dialog.selectFile(QString::fromStdString(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> AskOpenSettingFile(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("QNSET File(*.xml)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

CDlgSetMain::CDlgSetMain(SettingRecord& record, const std::string& currentFilePath, AppContext& ctx,
                         QWidget* parent)
    : QDialog(parent),
      m_record(record),
      m_currentFilePath(currentFilePath),
      m_ctx(ctx),
      m_snapshot(std::make_unique<SettingRecord>()),
      m_chooseSavePath(AskSettingFilePath),
      m_chooseOpenPath(AskOpenSettingFile)
{
    setWindowTitle(QStringLiteral("Configuration"));
    auto open = [this](EditorSlot slot) { return [this, slot] { OpenerFor(slot)(m_record, m_ctx, this); }; };

    auto* editors = new QGridLayout;
    editors->addWidget(AddButton("system", "System", open(EditorSlot::System)), 0, 0);
    editors->addWidget(AddButton("io", "Input/Output", open(EditorSlot::InputOutput)), 0, 1);
    editors->addWidget(AddButton("communication", "Communication", open(EditorSlot::Communication)), 1, 0);
    editors->addWidget(AddButton("mail", "E-mail", open(EditorSlot::Mail)), 1, 1);
    editors->addWidget(AddButton("display", "Graph/Display", open(EditorSlot::Display)), 2, 0);
    editors->addWidget(AddButton("record", "Record", open(EditorSlot::Record)), 2, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* actions = new QHBoxLayout;
    actions->addWidget(AddButton("upload", "Upload to device", [this] { OnUpload(); }));
    actions->addWidget(AddButton("save", "Save file", [this] { OnSave(); }));
    QPushButton* compare = AddButton("compare", "Compare...", [] {});
    auto* compareMenu = new QMenu(compare);
    compareMenu->addAction(QStringLiteral("With a settings file..."), this, [this] { OnCompareFile(); })
        ->setObjectName(QStringLiteral("compareFile"));
    compareMenu->addAction(QStringLiteral("With the connected unit"), this, [this] { OnCompareUnit(); })
        ->setObjectName(QStringLiteral("compareUnit"));
    compare->setMenu(compareMenu);
    actions->addWidget(compare);
    actions->addWidget(AddButton("report", "Report...", [this] { OnReport(); }));

    m_tagMessage = new QCheckBox(QStringLiteral("Show message when invalid setting is detected."), this);
    m_tagMessage->setChecked(m_ctx.profile.GetInt(kProfileSection, kPrefTagMessage, 1) == 1);
    connect(m_tagMessage, &QCheckBox::clicked, this, &CDlgSetMain::TagMessageClicked);
    m_showChanges = PreferenceCheckBox(QStringLiteral("Show changes before upload"), m_ctx.profile, kPrefShowChanges, this);
    m_showChanges->setObjectName(QStringLiteral("showChanges"));
    m_verifyUpload = PreferenceCheckBox(QStringLiteral("Verify after upload"), m_ctx.profile, kPrefVerifyUpload, this);
    m_verifyUpload->setObjectName(QStringLiteral("verifyUpload"));

    auto* linkBox = new QVBoxLayout;
    linkBox->setSpacing(2);
    for (QLabel*& line : m_linkLines) {
        line = new QLabel(this);
        line->setFrameShape(QFrame::StyledPanel);
        line->setFrameShadow(QFrame::Sunken);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        linkBox->addWidget(line);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(linkBox, 1);
    QPushButton* help = AddGuideHelp(this, kGuideHubPage, m_ctx.ui);
    help->setMinimumHeight(30);
    bottom->addWidget(help, 0, Qt::AlignBottom);
    bottom->addWidget(AddButton("back", "Back", [this] { OnLeave(); }), 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editors);
    layout->addWidget(rule);
    layout->addLayout(actions);
    layout->addSpacing(6);
    layout->addWidget(m_tagMessage);
    layout->addWidget(m_showChanges);
    layout->addWidget(m_verifyUpload);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    setMinimumWidth(420);
    StopButtonsTakingEnter(this);

    ShowLink();
    TakeSnapshot();
}

CDlgSetMain::~CDlgSetMain() = default;

QPushButton* CDlgSetMain::AddButton(const char* name, const char* text, std::function<void()> action)
{
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setMinimumHeight(30);
    connect(button, &QPushButton::clicked, this, std::move(action));
    return button;
}

void CDlgSetMain::ShowLink()
{
    const LinkDescription lines = DescribeLink(m_ctx.link, m_ctx.profile, m_ctx.PortNames());
    m_linkLines[0]->setText(QString::fromStdString(lines.accessMode));
    m_linkLines[1]->setText(QString::fromStdString(lines.device));
}

void CDlgSetMain::TakeSnapshot()
{
    std::memcpy(m_snapshot.get(), &m_record, sizeof(SettingRecord));
}

bool CDlgSetMain::HasUnsavedChanges() const
{
    return std::memcmp(m_snapshot.get(), &m_record, sizeof(SettingRecord)) != 0;
}

std::string CDlgSetMain::SuggestedFileName() const
{
    return m_currentFilePath.empty() ? kDefaultFileName : m_currentFilePath;
}

void CDlgSetMain::OnSave()
{
    const std::string document = WriteSettingDocument(m_record);
    const std::optional<std::string> path = m_chooseSavePath(this, SuggestedFileName());
    if (!path) return;
    switch (SaveSettingFile(*path, document)) {
    case SaveOutcome::CannotOpen: m_ctx.ui.Show({MessageIcon::Error, "Failed to Open File"}); return;
    case SaveOutcome::WriteFailed: m_ctx.ui.Show({MessageIcon::Error, "Failed to save file."}); return;
    case SaveOutcome::Saved: break;
    }
    m_ctx.ui.Show({MessageIcon::Information, "File saved."});
    TakeSnapshot();
}

void CDlgSetMain::OnReport()
{
    ReportPreview(m_record, m_currentFilePath.empty() ? "new setting" : m_currentFilePath, m_ctx.ui, this).exec();
}

void CDlgSetMain::OnUpload()
{
    if (UploadFromHub(m_record, m_ctx, this, [this] { ShowLink(); })) TakeSnapshot();
    // The Changes window may have switched its preference off.
    RefreshPreferenceBox(m_showChanges, m_ctx.profile, kPrefShowChanges);
    RefreshPreferenceBox(m_verifyUpload, m_ctx.profile, kPrefVerifyUpload);
}

void CDlgSetMain::OnCompareFile()
{
    if (const std::optional<std::string> path = m_chooseOpenPath(this)) CompareWithFile(m_record, m_ctx, this, *path);
}

void CDlgSetMain::OnCompareUnit()
{
    CompareWithUnit(m_record, m_ctx, this);
    ShowLink();
}

bool CDlgSetMain::MayLeave()
{
    return !HasUnsavedChanges() || m_ctx.ui.Confirm({MessageIcon::Question, kMsgDiscard});
}

void CDlgSetMain::OnLeave()
{
    if (MayLeave()) accept();
}

void CDlgSetMain::closeEvent(QCloseEvent* event)
{
    // The title bar's close asks like Back, so that edits neither saved nor
    // uploaded are not thrown away without a word.
    if (!MayLeave()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CDlgSetMain::TagMessageClicked(bool checked)
{
    m_ctx.profile.SetInt(kProfileSection, kPrefTagMessage, checked ? 1 : 0);
}

void CDlgSetMain::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape always lead to the leave flow, never to a button.
    if (IsEnterKey(event) || IsEscapeKey(event))
        OnLeave();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace volmar::gui
