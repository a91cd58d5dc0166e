#include "gui/compare/ChangesModel.h"

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
    left_ = std::move(left);
    right_ = std::move(right);
    emit headerDataChanged(Qt::Horizontal, kLeft, kRight);
}

void ChangesModel::SetDifferences(std::vector<SettingDifference> differences)
{
    beginResetModel();
    differences_ = std::move(differences);
    groups_.clear();
    rows_.clear();
    haystacks_.clear();
    // Groups keep the order in which the document first reaches them.
    std::map<std::pair<std::string, std::string>, int> groupOf;
    std::vector<std::vector<int>> members;
    for (int i = 0; i < static_cast<int>(differences_.size()); ++i) {
        const ElementLabel& label = differences_[i].label;
        auto [it, added] = groupOf.try_emplace({label.section, label.channel}, static_cast<int>(members.size()));
        if (added) members.emplace_back();
        members[it->second].push_back(i);
    }
    rows_.reserve(differences_.size() + members.size());
    groups_.reserve(members.size());
    haystacks_.reserve(differences_.size());
    for (int g = 0; g < static_cast<int>(members.size()); ++g) {
        const int count = static_cast<int>(members[g].size());
        groups_.push_back({GroupTitle(differences_[members[g][0]].label, count), static_cast<int>(rows_.size()) + 1,
                           count});
        rows_.push_back({g, -1});
        for (int d : members[g]) rows_.push_back({g, d});
    }
    values_.clear();
    values_.reserve(differences_.size());
    for (const SettingDifference& d : differences_) {
        const std::string left = EditorValue(d.path, d.left), right = EditorValue(d.path, d.right);
        values_.emplace_back(Utf8(left), Utf8(right));
        // The document's values too, so that a search for a keyword finds its entry.
        haystacks_.push_back(Utf8(d.label.section + '\n' + d.label.Full() + '\n' + left + '\n' + right + '\n' +
                                  d.left + '\n' + d.right + '\n' + d.path)
                                 .toLower());
    }
    endResetModel();
}

int ChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChangesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ChangesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const Row& row = rows_[index.row()];
    if (row.difference < 0) {
        if (role == Qt::DisplayRole && index.column() == kSetting) return groups_[row.group].title;
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::BackgroundRole) return QApplication::palette().brush(QPalette::AlternateBase);
        return {};
    }
    const SettingDifference& d = differences_[row.difference];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kSetting: return Utf8(d.label.field);
        case kLeft: return values_[row.difference].first;
        case kRight: return values_[row.difference].second;
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
    case kLeft: return left_;
    case kRight: return right_;
    default: return {};
    }
}

bool ChangesModel::RowMatches(int row, const QString& needle) const
{
    const Row& r = rows_[row];
    if (r.difference >= 0) return haystacks_[r.difference].contains(needle);
    const Group& g = groups_[r.group];
    for (int k = g.firstRow; k < g.firstRow + g.count; ++k) {
        if (haystacks_[rows_[k].difference].contains(needle)) return true;
    }
    return false;
}

void ChangesFilter::SetNeedle(const QString& text)
{
    const QString needle = text.trimmed().toLower();
    if (needle == needle_) return;
    needle_ = needle;
    invalidateFilter();
}

bool ChangesFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    if (needle_.isEmpty()) return true;
    const auto* model = static_cast<const ChangesModel*>(sourceModel());
    return model->RowMatches(row, needle_);
}

}  // namespace volmar::gui
