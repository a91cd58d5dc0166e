#include "gui/fleet/UnitRows.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace volmar::gui {

QString StateText(FleetState state)
{
    switch (state) {
    case FleetState::Waiting: return QStringLiteral("Waiting");
    case FleetState::Running: return QStringLiteral("Running");
    case FleetState::Succeeded: return QStringLiteral("Done");
    case FleetState::Failed: return QStringLiteral("Failed");
    case FleetState::Cancelled: return QStringLiteral("Cancelled");
    }
    return {};
}

QString ResultText(UnitsOperation operation, const FleetResult& result)
{
    if (result.state != FleetState::Succeeded) return QString::fromStdString(result.error);
    auto field = [&result](const char* key) {
        const std::string* value = result.Field(key);
        return value ? QString::fromStdString(*value) : QString();
    };
    switch (operation) {
    case UnitsOperation::Status: return QStringLiteral("Device code ") + field("device_code");
    case UnitsOperation::Backup: return field("file");
    case UnitsOperation::SetTime: return QStringLiteral("Clock set to ") + field("time");
    case UnitsOperation::Compare: {
        const QString count = field("differences");
        return count == QStringLiteral("0") ? QStringLiteral("Same as the file")
                                            : count + QStringLiteral(" value(s) differ from the file");
    }
    case UnitsOperation::Upload:
        return result.Field("verified") ? QStringLiteral("Uploaded and verified") : QStringLiteral("Uploaded");
    }
    return {};
}

int Percent(int64_t done, int64_t total)
{
    if (total <= 0) return -1;
    if (done >= total) return 100;
    return done <= 0 ? 0 : static_cast<int>(done * 100 / total);
}

void ProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant value = index.data(kProgressRole);
    if (!value.isValid() || value.toInt() < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, option.widget);
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = value.toInt();
    bar.text = QString::number(bar.progress) + QStringLiteral(" %");
    bar.textVisible = true;
    bar.state = (option.state & QStyle::State_Enabled) | QStyle::State_Horizontal;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, option.widget);
}

}  // namespace volmar::gui
