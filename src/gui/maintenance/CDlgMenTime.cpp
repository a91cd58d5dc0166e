#include "gui/maintenance/CDlgMenTime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {
namespace {

// Often enough that the seconds shown never lag the clock by a whole second.
constexpr int kFollowMs = 200;

}  // namespace

CDlgMenTime::CDlgMenTime(AppContext& app, QWidget* parent)
    : CDlgMenBase(app, "Date/Time", parent), m_now([] { return std::time(nullptr); })
{
    static constexpr const char* kSeparators[6] = {"/", "/", "", ":", ":", ""};
    auto* row = new QHBoxLayout;
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 6; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setValidator(digits);
        m_fields[i]->setMaxLength(i == 0 ? 5 : 3);
        m_fields[i]->setFixedWidth(i == 0 ? 56 : 36);
        m_fields[i]->setAlignment(Qt::AlignRight);
        connect(m_fields[i], &QLineEdit::textChanged, this, [this] {
            if (!m_filling) m_edited = true;
        });
        row->addWidget(m_fields[i]);
        if (*kSeparators[i]) row->addWidget(new QLabel(QString::fromUtf8(kSeparators[i]), this));
        if (i == 2) row->addSpacing(12);
    }
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    connect(apply, &QPushButton::clicked, this, &CDlgMenTime::Apply);
    row->addSpacing(12);
    row->addWidget(apply);
    Body()->addLayout(row);
    m_status = new QLabel(this);
    m_status->setMinimumHeight(m_status->fontMetrics().height());  // no jump when it fills
    Body()->addWidget(m_status);
    Follow();
    m_follow = new QTimer(this);
    m_follow->setInterval(kFollowMs);
    connect(m_follow, &QTimer::timeout, this, &CDlgMenTime::Follow);
    m_follow->start();
}

void CDlgMenTime::SetClock(std::function<std::time_t()> now)
{
    m_now = std::move(now);
    Follow();
}

void CDlgMenTime::Follow()
{
    if (m_edited) {
        m_follow->stop();
        return;
    }
    const std::time_t now = m_now();
    std::tm local{};
    localtime_r(&now, &local);
    const DateTimeFields values = DateTimeFieldsOf(local);
    m_filling = true;
    for (int i = 0; i < 6; ++i) {
        const QString text = QString::fromStdString(values[i]);
        if (m_fields[i]->text() != text) m_fields[i]->setText(text);
    }
    m_filling = false;
}

void CDlgMenTime::Apply()
{
    Follow();  // the time of the press, not of the last tick
    m_status->clear();
    DateTimeFields texts;
    for (int i = 0; i < 6; ++i) texts[i] = m_fields[i]->text().toStdString();
    const auto payload = BuildTimePayload(texts);
    if (!payload) {
        App().ui.Show({MessageIcon::Error, kMsgIllegalDateTime});
        return;
    }
    if (!Run([&](LinkContext& ctx) { return SetUnitTime(ctx, *payload); })) return;
    m_status->setText(QStringLiteral("Clock set to %1/%2/%3 %4:%5:%6")
                         .arg(m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(), m_fields[3]->text(),
                              m_fields[4]->text(), m_fields[5]->text()));
}

}  // namespace volmar::gui
