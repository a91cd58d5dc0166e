#include "gui/maintenance/CDlgMenSysLog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {

CDlgMenSysLog::CDlgMenSysLog(AppContext& app, QWidget* parent)
    : CDlgMenBase(app, "System log", parent), m_log(new QPlainTextEdit(this))
{
    m_log->setReadOnly(true);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_log->setFixedSize(560, 320);
    auto* reset = new QPushButton(QStringLiteral("Reset system log"), this);
    connect(reset, &QPushButton::clicked, this, &CDlgMenSysLog::Reset);
    Body()->addWidget(m_log);
    Body()->addWidget(reset, 0, Qt::AlignLeft);
    QueryWhenShown([this] { Reload(); });
}

QString CDlgMenSysLog::Text() const { return m_log->toPlainText(); }

void CDlgMenSysLog::Reload()
{
    std::optional<std::string> text;
    Run([&](LinkContext& ctx) {
        text = ReadSystemLog(ctx);
        return text.has_value();
    });
    m_log->setPlainText(text ? QString::fromLocal8Bit(text->data(), static_cast<qsizetype>(text->size())) : QString());
}

void CDlgMenSysLog::Reset()
{
    if (!AskBeforeLink(App(), this, kAskResetLog)) return;
    if (Run([](LinkContext& ctx) { return ResetSystemLog(ctx); })) Reload();
}

}  // namespace volmar::gui
