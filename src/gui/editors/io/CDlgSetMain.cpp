#include "gui/editors/io/CDlgSetMain.h"

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

#include "gui/app/AppContext.h"
#include "gui/compare/CDlgSetReport.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/EditorOpeners.h"
#include "gui/common/PreferenceBox.h"
#include "gui/compare/ChangeSteps.h"
#include "core/compare/SettingChanges.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/common/SettingFileSave.h"
#include "gui/editors/io/CDlgSetIo.h"
#include "gui/editors/io/SettingUploadStep.h"
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
      record_(record),
      currentFilePath_(currentFilePath),
      ctx_(ctx),
      snapshot_(std::make_unique<SettingRecord>()),
      chooseSavePath_(AskSettingFilePath),
      chooseOpenPath_(AskOpenSettingFile)
{
    setWindowTitle(QStringLiteral("Configuration"));
    auto open = [this](EditorSlot slot) { return [this, slot] { OpenerFor(slot)(record_, ctx_, this); }; };

    auto* editors = new QGridLayout;
    editors->addWidget(AddButton("system", "System", open(EditorSlot::System)), 0, 0);
    editors->addWidget(AddButton("io", "Input/Output", [this] { CDlgSetIo(record_, ctx_, this).exec(); }), 0, 1);
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

    tagMessage_ = new QCheckBox(QStringLiteral("Show message when invalid setting is detected."), this);
    tagMessage_->setChecked(ctx_.profile.GetInt(kProfileSection, kPrefTagMessage, 1) == 1);
    connect(tagMessage_, &QCheckBox::clicked, this, &CDlgSetMain::TagMessageClicked);
    showChanges_ = PreferenceCheckBox(QStringLiteral("Show changes before upload"), ctx_.profile, kPrefShowChanges, this);
    showChanges_->setObjectName(QStringLiteral("showChanges"));
    verifyUpload_ = PreferenceCheckBox(QStringLiteral("Verify after upload"), ctx_.profile, kPrefVerifyUpload, this);
    verifyUpload_->setObjectName(QStringLiteral("verifyUpload"));

    auto* linkBox = new QVBoxLayout;
    linkBox->setSpacing(2);
    for (QLabel*& line : linkLines_) {
        line = new QLabel(this);
        line->setFrameShape(QFrame::StyledPanel);
        line->setFrameShadow(QFrame::Sunken);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        linkBox->addWidget(line);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(linkBox, 1);
    bottom->addWidget(AddButton("back", "Back", [this] { OnLeave(); }), 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editors);
    layout->addWidget(rule);
    layout->addLayout(actions);
    layout->addSpacing(6);
    layout->addWidget(tagMessage_);
    layout->addWidget(showChanges_);
    layout->addWidget(verifyUpload_);
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
    const LinkDescription lines = DescribeLink(ctx_.link, ctx_.profile, ctx_.PortNames());
    linkLines_[0]->setText(QString::fromStdString(lines.accessMode));
    linkLines_[1]->setText(QString::fromStdString(lines.device));
}

void CDlgSetMain::TakeSnapshot()
{
    std::memcpy(snapshot_.get(), &record_, sizeof(SettingRecord));
}

bool CDlgSetMain::HasUnsavedChanges() const
{
    return std::memcmp(snapshot_.get(), &record_, sizeof(SettingRecord)) != 0;
}

std::string CDlgSetMain::SuggestedFileName() const
{
    return currentFilePath_.empty() ? kDefaultFileName : currentFilePath_;
}

void CDlgSetMain::OnSave()
{
    const std::string document = WriteSettingDocument(record_);
    const std::optional<std::string> path = chooseSavePath_(this, SuggestedFileName());
    if (!path) return;
    switch (SaveSettingFile(*path, document)) {
    case SaveOutcome::CannotOpen: ctx_.ui.Show({MessageIcon::Error, "Failed to Open File"}); return;
    case SaveOutcome::WriteFailed: ctx_.ui.Show({MessageIcon::Error, "Failed to save file."}); return;
    case SaveOutcome::Saved: break;
    }
    ctx_.ui.Show({MessageIcon::Information, "File saved."});
    TakeSnapshot();
}

void CDlgSetMain::OnReport()
{
    CDlgSetReport(record_, currentFilePath_.empty() ? "new setting" : currentFilePath_, ctx_.ui, this).exec();
}

void CDlgSetMain::OnUpload()
{
    if (UploadFromHub(record_, ctx_, this, [this] { ShowLink(); })) TakeSnapshot();
    // The Changes window may have switched its preference off.
    RefreshPreferenceBox(showChanges_, ctx_.profile, kPrefShowChanges);
    RefreshPreferenceBox(verifyUpload_, ctx_.profile, kPrefVerifyUpload);
}

void CDlgSetMain::OnCompareFile()
{
    if (const std::optional<std::string> path = chooseOpenPath_(this)) CompareWithFile(record_, ctx_, this, *path);
}

void CDlgSetMain::OnCompareUnit()
{
    CompareWithUnit(record_, ctx_, this);
    ShowLink();
}

bool CDlgSetMain::MayLeave()
{
    return !HasUnsavedChanges() || ctx_.ui.Confirm({MessageIcon::Question, kMsgDiscard});
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
    ctx_.profile.SetInt(kProfileSection, kPrefTagMessage, checked ? 1 : 0);
}

void CDlgSetMain::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape always lead to the leave flow, never to a button.
    if (IsEnterKey(event) || IsEscapeKey(event))
        OnLeave();
    else
        QDialog::keyPressEvent(event);
}

VOLMAR_SCREENSHOT("hub", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgSetMain>(env.record, std::string(), env.app);
});

}  // namespace volmar::gui
