#pragma once
// The rows of the Changes window: the differences between two settings,
// grouped by section and channel, each group headed by a row with its title
// and count, the values as the editors show them ("I/O module", not CARD);
// and the filter that keeps the rows whose texts hold what the
// user typed (a group stays while any of its rows does).
#include <utility>
#include <vector>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>

#include "core/settings/ElementLabels.h"

namespace volmar::gui {

class ChangesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kSetting, kLeft, kRight, kColumnCount };

    explicit ChangesModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The two value columns' titles ("On the unit", "New").
    void SetTitles(QString left, QString right);
    void SetDifferences(std::vector<SettingDifference> differences);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    int DifferenceCount() const { return static_cast<int>(m_differences.size()); }
    bool IsGroupRow(int row) const { return m_rows[row].difference < 0; }
    // Whether the row (or, for a group row, any row of its group) holds
    // needle, which is in lower case.
    bool RowMatches(int row, const QString& needle) const;

private:
    struct Group {
        QString title;
        int firstRow = 0;  // the row after the group's head
        int count = 0;
    };
    struct Row {
        int group = 0;
        int difference = -1;  // -1: the group's head
    };

    std::vector<SettingDifference> m_differences;
    std::vector<std::pair<QString, QString>> m_values;  // per difference, as the editors show them
    std::vector<QString> m_haystacks;  // per difference, lower case
    std::vector<Group> m_groups;
    std::vector<Row> m_rows;
    QString m_left, m_right;
};

class ChangesFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ChangesFilter(QObject* parent = nullptr) : QSortFilterProxyModel(parent) {}
    void SetNeedle(const QString& text);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString m_needle;
};

}  // namespace volmar::gui
