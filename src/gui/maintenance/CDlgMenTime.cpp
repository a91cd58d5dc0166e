#include "gui/maintenance/CDlgMenTime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "gui/common/ScreenshotRegistry.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {
namespace {

// Often enough that the seconds shown never lag the clock by a whole second.
constexpr int kFollowMs = 200;

}  // namespace

CDlgMenTime::CDlgMenTime(AppContext& app, QWidget* parent)
    : CDlgMenBase(app, "Date/Time", parent), now_([] { return std::time(nullptr); })
{
    static constexpr const char* kSeparators[6] = {"/", "/", "", ":", ":", ""};
    auto* row = new QHBoxLayout;
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 6; ++i) {
        fields_[i] = new QLineEdit(this);
        fields_[i]->setValidator(digits);
        fields_[i]->setMaxLength(i == 0 ? 5 : 3);
        fields_[i]->setFixedWidth(i == 0 ? 56 : 36);
        fields_[i]->setAlignment(Qt::AlignRight);
        connect(fields_[i], &QLineEdit::textChanged, this, [this] {
            if (!filling_) edited_ = true;
        });
        row->addWidget(fields_[i]);
        if (*kSeparators[i]) row->addWidget(new QLabel(QString::fromUtf8(kSeparators[i]), this));
        if (i == 2) row->addSpacing(12);
    }
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    connect(apply, &QPushButton::clicked, this, &CDlgMenTime::Apply);
    row->addSpacing(12);
    row->addWidget(apply);
    Body()->addLayout(row);
    status_ = new QLabel(this);
    status_->setMinimumHeight(status_->fontMetrics().height());  // no jump when it fills
    Body()->addWidget(status_);
    Follow();
    follow_ = new QTimer(this);
    follow_->setInterval(kFollowMs);
    connect(follow_, &QTimer::timeout, this, &CDlgMenTime::Follow);
    follow_->start();
}

void CDlgMenTime::SetClock(std::function<std::time_t()> now)
{
    now_ = std::move(now);
    Follow();
}

void CDlgMenTime::Follow()
{
    if (edited_) {
        follow_->stop();
        return;
    }
    const std::time_t now = now_();
    std::tm local{};
    localtime_r(&now, &local);
    const DateTimeFields values = DateTimeFieldsOf(local);
    filling_ = true;
    for (int i = 0; i < 6; ++i) {
        const QString text = QString::fromStdString(values[i]);
        if (fields_[i]->text() != text) fields_[i]->setText(text);
    }
    filling_ = false;
}

void CDlgMenTime::Apply()
{
    Follow();  // the time of the press, not of the last tick
    status_->clear();
    DateTimeFields texts;
    for (int i = 0; i < 6; ++i) texts[i] = fields_[i]->text().toStdString();
    const auto payload = BuildTimePayload(texts);
    if (!payload) {
        App().ui.Show({MessageIcon::Error, kMsgIllegalDateTime});
        return;
    }
    if (!Run([&](LinkContext& ctx) { return SetUnitTime(ctx, *payload); })) return;
    status_->setText(QStringLiteral("Clock set to %1/%2/%3 %4:%5:%6")
                         .arg(fields_[0]->text(), fields_[1]->text(), fields_[2]->text(), fields_[3]->text(),
                              fields_[4]->text(), fields_[5]->text()));
}

VOLMAR_SCREENSHOT("men-time", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenTime>(env.app); });

}  // namespace volmar::gui
