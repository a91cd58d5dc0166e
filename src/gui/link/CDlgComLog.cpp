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

#include "gui/common/AppContext.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/SettingFileSave.h"
#include "gui/common/ScreenFit.h"
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

CDlgComLog::CDlgComLog(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Terminal log"));
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setUndoRedoEnabled(false);  // text is only ever appended and dropped
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFont(QFont(QStringLiteral("monospace")));
    m_text->setMinimumSize(640, 360);
    m_clear = new QPushButton(QStringLiteral("Clear"), this);
    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_clear);
    buttons->addWidget(m_save);
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);
    connect(m_clear, &QPushButton::clicked, this, &CDlgComLog::OnClear);
    connect(m_save, &QPushButton::clicked, this, &CDlgComLog::OnSave);
    connect(m_back, &QPushButton::clicked, this, &CDlgComLog::OnBack);
    m_text->setFocus();
    kit::FitOnFirstShow(this);
}

CDlgComLog::~CDlgComLog() { StopReader(); }

bool CDlgComLog::OpenPort()
{
    StopReader();
    m_port.Close();  // the exclusive lock would refuse a second handle
    const PortOpenResult opened = m_port.Open(m_ctx.link.comDevice);
    if (opened.ok) return true;
    m_ctx.ui.Show(PortOpenMessage(m_ctx.link.comPort, m_ctx.link.comDevice, opened.error));
    return false;
}

int CDlgComLog::Run()
{
    if (!OpenPort()) return QDialog::Rejected;
    m_reader.Start(m_port.Fd(), [this](std::string_view text) {
        // Called by name: Qt then carries no functor of ours across threads
        // (see common/WindowThread.h), and the call dies with the window.
        if (m_pending.Append(text)) QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
    });
    return exec();
}

void CDlgComLog::Drain()
{
    const std::string text = m_pending.Take();
    if (text.empty()) return;
    const QString added = QString::fromUtf8(text);
    m_log += added;
    m_lineBreaks += added.count(QLatin1Char('\n'));
    // Only the new text is laid out. A CR at the end waits: an LF may follow.
    const qsizetype end = m_log.endsWith(QLatin1Char('\r')) ? m_log.size() - 1 : m_log.size();
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(BoxText(m_log.mid(m_shown, end - m_shown)));
    m_shown = end;
    Trim();
    m_text->moveCursor(QTextCursor::End);
    m_text->ensureCursorVisible();
}

void CDlgComLog::Trim()
{
    qsizetype cut = 0;
    for (; m_lineBreaks + 1 > kTerminalLines; --m_lineBreaks) cut = m_log.indexOf(QLatin1Char('\n'), cut) + 1;
    if (m_log.size() - cut > kTerminalChars) {
        qsizetype from = m_log.size() - kTerminalChars;
        // Neither inside a CR LF nor inside a character.
        if (from > 0 && m_log[from - 1] == QLatin1Char('\r') && m_log[from] == QLatin1Char('\n')) ++from;
        if (from < m_log.size() && m_log[from].isLowSurrogate()) ++from;
        m_lineBreaks -= QStringView(m_log).mid(cut, from - cut).count(QLatin1Char('\n'));
        cut = from;
    }
    cut = std::min(cut, m_shown);
    if (cut == 0) return;
    // The box's text before the cut is shorter by its CR LF pairs.
    const qsizetype boxCut = cut - QStringView(m_log).left(cut).count(u"\r\n");
    m_log.remove(0, cut);
    m_shown -= cut;
    QTextCursor front(m_text->document());
    front.setPosition(static_cast<int>(boxCut), QTextCursor::KeepAnchor);
    front.removeSelectedText();
}

void CDlgComLog::OnClear()
{
    if (!m_ctx.ui.Confirm({MessageIcon::Question, kMsgClear})) return;
    m_pending.Clear();
    m_log.clear();
    m_lineBreaks = 0;
    m_shown = 0;
    m_text->clear();
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
    switch (SaveSettingFile(path.toStdString(), Utf16Le(m_log))) {
    case SaveOutcome::Saved:
        m_ctx.ui.Show({MessageIcon::Information, "File saved."});
        break;
    case SaveOutcome::CannotOpen:
        m_ctx.ui.Show({MessageIcon::Error, "Failed to Open File"});
        break;
    case SaveOutcome::WriteFailed:
        m_ctx.ui.Show({MessageIcon::Error, "Failed to save file."});
        break;
    }
}

void CDlgComLog::OnBack()
{
    if (m_ctx.ui.Confirm({MessageIcon::Question, kMsgReturn})) done(QDialog::Rejected);
}

void CDlgComLog::StopReader() { m_reader.Stop(); }

void CDlgComLog::done(int result)
{
    StopReader();
    m_port.Close();
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

}  // namespace volmar::gui
