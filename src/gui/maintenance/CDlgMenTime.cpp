#include "maintenance/CDlgMenTime.h"

#include <ctime>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "common/ScreenshotRegistry.h"
#include "maintenance/MaintenanceFunctions.h"
#include "maintenance/MaintenanceTexts.h"

namespace volmar::gui {

CDlgMenTime::CDlgMenTime(AppContext& app, QWidget* parent) : CDlgMenBase(app, "Date/Time", parent)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const DateTimeFields values = DateTimeFieldsOf(local);
    static constexpr const char* kSeparators[6] = {"/", "/", "", ":", ":", ""};
    auto* row = new QHBoxLayout;
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int i = 0; i < 6; ++i) {
        fields_[i] = new QLineEdit(QString::fromStdString(values[i]), this);
        fields_[i]->setValidator(digits);
        fields_[i]->setMaxLength(i == 0 ? 5 : 3);
        fields_[i]->setFixedWidth(i == 0 ? 56 : 36);
        fields_[i]->setAlignment(Qt::AlignRight);
        row->addWidget(fields_[i]);
        if (*kSeparators[i]) row->addWidget(new QLabel(QString::fromUtf8(kSeparators[i]), this));
        if (i == 2) row->addSpacing(12);
    }
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    connect(apply, &QPushButton::clicked, this, &CDlgMenTime::Apply);
    row->addSpacing(12);
    row->addWidget(apply);
    Body()->addLayout(row);
}

void CDlgMenTime::Apply()
{
    DateTimeFields texts;
    for (int i = 0; i < 6; ++i) texts[i] = fields_[i]->text().toStdString();
    const auto payload = BuildTimePayload(texts);
    if (!payload) {
        App().ui.Show({MessageIcon::Error, kMsgIllegalDateTime});
        return;
    }
    Run([&](LinkContext& ctx) { return SetUnitTime(ctx, *payload); });
}

VOLMAR_SCREENSHOT("men-time", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenTime>(env.app); });

}  // namespace volmar::gui
