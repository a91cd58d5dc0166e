#include "link/CDlgComLog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "common/DialogKeys.h"
#include "common/ScreenshotRegistry.h"
#include "common/SettingFileSave.h"
#include "editors/kit/ScreenFit.h"
#include "link/transfer/UnitMessages.h"

namespace volmar::gui {
namespace {

constexpr const char* kMsgClear = "Are you sure to clear terminal log?";
constexpr const char* kMsgReturn = "Returning to main menu";

// Drops the oldest lines until at most kTerminalLines remain, counting an
// unfinished last line.
void KeepNewestLines(QString& text)
{
    qsizetype breaks = text.count(QLatin1Char('\n'));
    if (breaks + 1 <= kTerminalLines) return;
    qsizetype cut = 0;
    for (; breaks + 1 > kTerminalLines; --breaks) cut = text.indexOf(QLatin1Char('\n'), cut) + 1;
    text.remove(0, cut);
}

std::string Utf16Le(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()) * 2);
    for (QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

}  // namespace

CDlgComLog::CDlgComLog(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Terminal log"));
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFont(QFont(QStringLiteral("monospace")));
    text_->setMinimumSize(640, 360);
    clear_ = new QPushButton(QStringLiteral("Clear"), this);
    save_ = new QPushButton(QStringLiteral("Save"), this);
    back_ = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear_);
    buttons->addWidget(save_);
    buttons->addStretch(1);
    buttons->addWidget(back_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);
    connect(clear_, &QPushButton::clicked, this, &CDlgComLog::OnClear);
    connect(save_, &QPushButton::clicked, this, &CDlgComLog::OnSave);
    connect(back_, &QPushButton::clicked, this, &CDlgComLog::OnBack);
    text_->setFocus();
    kit::FitOnFirstShow(this);
}

CDlgComLog::~CDlgComLog() { StopReader(); }

bool CDlgComLog::OpenPort()
{
    StopReader();
    port_.Close();  // the exclusive lock would refuse a second handle
    const PortOpenResult opened = port_.Open(ctx_.link.comDevice);
    if (opened.ok) return true;
    ctx_.ui.Show(PortOpenMessage(ctx_.link.comPort, ctx_.link.comDevice, opened.error));
    return false;
}

int CDlgComLog::Run()
{
    if (!OpenPort()) return QDialog::Rejected;
    reader_.Start(port_.Fd(), [this](std::string_view text) {
        // Called by name: Qt then carries no functor of ours across threads
        // (see common/WindowThread.h), and the call dies with the window.
        if (pending_.Append(text)) QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
    });
    return exec();
}

void CDlgComLog::Drain()
{
    const std::string text = pending_.Take();
    if (text.empty()) return;
    log_ += QString::fromUtf8(text);
    KeepNewestLines(log_);
    QString shown = log_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(shown);
    text_->moveCursor(QTextCursor::End);
    text_->ensureCursorVisible();
}

void CDlgComLog::OnClear()
{
    if (!ctx_.ui.Confirm({MessageIcon::Question, kMsgClear})) return;
    pending_.Clear();
    log_.clear();
    text_->clear();
}

void CDlgComLog::OnSave()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("テキストファイル(*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("ComLog.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveTo(dialog.selectedFiles().constFirst());
}

void CDlgComLog::SaveTo(const QString& path)
{
    Drain();  // everything read so far
    switch (SaveSettingFile(path.toStdString(), Utf16Le(log_))) {
    case SaveOutcome::Saved:
        ctx_.ui.Show({MessageIcon::Information, "File saved."});
        break;
    case SaveOutcome::CannotOpen:
        ctx_.ui.Show({MessageIcon::Error, "Failed to Open File"});
        break;
    case SaveOutcome::WriteFailed:
        ctx_.ui.Show({MessageIcon::Error, "Failed to save file."});
        break;
    }
}

void CDlgComLog::OnBack()
{
    if (ctx_.ui.Confirm({MessageIcon::Question, kMsgReturn})) done(QDialog::Rejected);
}

void CDlgComLog::StopReader() { reader_.Stop(); }

void CDlgComLog::done(int result)
{
    StopReader();
    port_.Close();
    QDialog::done(result);
}

void CDlgComLog::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event) || IsEscapeKey(event))
        OnBack();
    else
        QDialog::keyPressEvent(event);
}

void CDlgComLog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnBack();
}

void RunTerminalLog(AppContext& ctx, QWidget* parent)
{
    CDlgComLog log(ctx, parent);
    if (!log.OpenPort()) return;
    ctx.ui.Show({MessageIcon::Information, "Turn SW1 ON at the front of device."});
    log.Run();
    ctx.ui.Show({MessageIcon::Information, "Turn SW1 OFF at the front of device."});
}

VOLMAR_SCREENSHOT("terminal-log", [](ScreenshotEnv& env) {
    auto log = std::make_unique<CDlgComLog>(env.app);
    log->textBox()->setPlainText(QStringLiteral("QN70G boot\nSD card mounted\nIP 192.168.0.1\n"));
    return log;
});

}  // namespace volmar::gui
