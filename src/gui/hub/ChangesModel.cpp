#include "gui/hub/ChangesModel.h"

#include <QBrush>
#include <QFont>
#include <QPalette>
#include <QApplication>

#include <map>
#include <utility>

#include "core/settings/EditorEntries.h"

namespace volmar::gui {
namespace {

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString GroupTitle(const ElementLabel& label, int count)
{
    QString title = Utf8(label.section);
    if (!label.channel.empty()) title += QStringLiteral(" \u00B7 ") + Utf8(label.channel);
    return title + QStringLiteral(" (%1)").arg(count);
}

}  // namespace

void ChangesModel::SetTitles(QString left, QString right)
{
    m_left = std::move(left);
    m_right = std::move(right);
    emit headerDataChanged(Qt::Horizontal, kLeft, kRight);
}

void ChangesModel::SetDifferences(std::vector<SettingDifference> differences)
{
    beginResetModel();
    m_differences = std::move(differences);
    m_groups.clear();
    m_rows.clear();
    m_haystacks.clear();
    // Groups keep the order in which the document first reaches them.
    std::map<std::pair<std::string, std::string>, int> groupOf;
    std::vector<std::vector<int>> members;
    for (int i = 0; i < static_cast<int>(m_differences.size()); ++i) {
        const ElementLabel& label = m_differences[i].label;
        auto [it, added] = groupOf.try_emplace({label.section, label.channel}, static_cast<int>(members.size()));
        if (added) members.emplace_back();
        members[it->second].push_back(i);
    }
    m_rows.reserve(m_differences.size() + members.size());
    m_groups.reserve(members.size());
    m_haystacks.reserve(m_differences.size());
    for (int g = 0; g < static_cast<int>(members.size()); ++g) {
        const int count = static_cast<int>(members[g].size());
        m_groups.push_back({GroupTitle(m_differences[members[g][0]].label, count), static_cast<int>(m_rows.size()) + 1,
                           count});
        m_rows.push_back({g, -1});
        for (int d : members[g]) m_rows.push_back({g, d});
    }
    m_values.clear();
    m_values.reserve(m_differences.size());
    for (const SettingDifference& d : m_differences) {
        const std::string left = EditorValue(d.path, d.left), right = EditorValue(d.path, d.right);
        m_values.emplace_back(Utf8(left), Utf8(right));
        // The document's values too, so that a search for a keyword finds its entry.
        m_haystacks.push_back(Utf8(d.label.section + '\n' + d.label.Full() + '\n' + left + '\n' + right + '\n' +
                                  d.left + '\n' + d.right + '\n' + d.path)
                                 .toLower());
    }
    endResetModel();
}

int ChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ChangesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ChangesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size())) return {};
    const Row& row = m_rows[index.row()];
    if (row.difference < 0) {
        if (role == Qt::DisplayRole && index.column() == kSetting) return m_groups[row.group].title;
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::BackgroundRole) return QApplication::palette().brush(QPalette::AlternateBase);
        return {};
    }
    const SettingDifference& d = m_differences[row.difference];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kSetting: return Utf8(d.label.field);
        case kLeft: return m_values[row.difference].first;
        case kRight: return m_values[row.difference].second;
        default: return {};
        }
    case Qt::ToolTipRole: return Utf8(d.path);
    default: return {};
    }
}

QVariant ChangesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case kSetting: return QStringLiteral("Setting");
    case kLeft: return m_left;
    case kRight: return m_right;
    default: return {};
    }
}

bool ChangesModel::RowMatches(int row, const QString& needle) const
{
    const Row& r = m_rows[row];
    if (r.difference >= 0) return m_haystacks[r.difference].contains(needle);
    const Group& g = m_groups[r.group];
    for (int k = g.firstRow; k < g.firstRow + g.count; ++k) {
        if (m_haystacks[m_rows[k].difference].contains(needle)) return true;
    }
    return false;
}

void ChangesFilter::SetNeedle(const QString& text)
{
    const QString needle = text.trimmed().toLower();
    if (needle == m_needle) return;
    m_needle = needle;
    invalidateFilter();
}

bool ChangesFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    if (m_needle.isEmpty()) return true;
    const auto* model = static_cast<const ChangesModel*>(sourceModel());
    return model->RowMatches(row, m_needle);
}

}  // namespace volmar::gui
