#include "gui/link/CDlgComLog.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/app/AppContext.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/common/SettingFileSave.h"
#include "gui/editors/kit/ScreenFit.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar::gui {
namespace {

constexpr const char* kMsgClear = "Are you sure to clear terminal log?";
constexpr const char* kMsgReturn = "Returning to main menu";

// The box shows CR LF as one line break.
QString BoxText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
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
    text_->setUndoRedoEnabled(false);  // text is only ever appended and dropped
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
    const QString added = QString::fromUtf8(text);
    log_ += added;
    lineBreaks_ += added.count(QLatin1Char('\n'));
    // Only the new text is laid out. A CR at the end waits: an LF may follow.
    const qsizetype end = log_.endsWith(QLatin1Char('\r')) ? log_.size() - 1 : log_.size();
    QTextCursor cursor(text_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(BoxText(log_.mid(shown_, end - shown_)));
    shown_ = end;
    Trim();
    text_->moveCursor(QTextCursor::End);
    text_->ensureCursorVisible();
}

void CDlgComLog::Trim()
{
    qsizetype cut = 0;
    for (; lineBreaks_ + 1 > kTerminalLines; --lineBreaks_) cut = log_.indexOf(QLatin1Char('\n'), cut) + 1;
    if (log_.size() - cut > kTerminalChars) {
        qsizetype from = log_.size() - kTerminalChars;
        // Neither inside a CR LF nor inside a character.
        if (from > 0 && log_[from - 1] == QLatin1Char('\r') && log_[from] == QLatin1Char('\n')) ++from;
        if (from < log_.size() && log_[from].isLowSurrogate()) ++from;
        lineBreaks_ -= QStringView(log_).mid(cut, from - cut).count(QLatin1Char('\n'));
        cut = from;
    }
    cut = std::min(cut, shown_);
    if (cut == 0) return;
    // The box's text before the cut is shorter by its CR LF pairs.
    const qsizetype boxCut = cut - QStringView(log_).left(cut).count(u"\r\n");
    log_.remove(0, cut);
    shown_ -= cut;
    QTextCursor front(text_->document());
    front.setPosition(static_cast<int>(boxCut), QTextCursor::KeepAnchor);
    front.removeSelectedText();
}

void CDlgComLog::OnClear()
{
    if (!ctx_.ui.Confirm({MessageIcon::Question, kMsgClear})) return;
    pending_.Clear();
    log_.clear();
    lineBreaks_ = 0;
    shown_ = 0;
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
