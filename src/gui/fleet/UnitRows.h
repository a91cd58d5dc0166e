#pragma once
// What a row of the Units window shows: the columns, the texts of a unit's
// state and result for each operation, and the bar of its progress.
#include <QString>
#include <QStyledItemDelegate>

#include "core/fleet/FleetRunner.h"

namespace volmar::gui {

enum class UnitsOperation { Status, Backup, SetTime, Compare, Upload };

enum UnitsColumn : int { kColName, kColAddress, kColState, kColProgress, kColResult, kColFirmware, kUnitsColumns };

// The progress column's role: the percent its bar shows, or -1 for none.
constexpr int kProgressRole = Qt::UserRole + 1;

// "Waiting", "Running", "Done", "Failed", "Cancelled".
QString StateText(FleetState state);

// What the operation found on the unit, or why it failed ("Device code
// 0x5A", "North-20261208-195001.xml", "3 value(s) differ").
QString ResultText(UnitsOperation operation, const FleetResult& result);

// The percent of a transfer's bytes done, or -1 when it has no range.
int Percent(int64_t done, int64_t total);

// Paints the progress column's bar from kProgressRole.
class ProgressDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace volmar::gui
