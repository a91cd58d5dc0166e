#pragma once
// "Changes": the differences between two settings in a table grouped by
// section and channel, with a filter box. Before an upload it shows what
// the upload changes on the unit ("Upload" goes on, "Cancel" sends
// nothing); after one, what the unit holds other than what was sent; from
// the hub's "Compare...", the edited setting against a file or the unit;
// from a channel list's "Import...", what the table changes ("Apply" takes
// it, "Cancel" leaves the list), or the table's refused cells instead, with
// only "Close".
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "core/settings/ElementLabels.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace volmar {
class Profile;
}

namespace volmar::gui {

class ChangesFilter;
class ChangesModel;

enum class ChangesMode { BeforeUpload, AfterUpload, Compare, Import };

struct ChangesView {
    ChangesMode mode = ChangesMode::Compare;
    std::vector<SettingDifference> differences;
    QString leftTitle = QStringLiteral("On the unit");
    QString rightTitle = QStringLiteral("New");
    // Over the serial link: the expected seconds of the download and of the
    // upload.
    std::optional<std::pair<double, double>> serialSeconds;
    // Import: why the table was refused, one line each; when any, the
    // window lists these instead of differences.
    std::vector<std::string> refusals;
};

class CDlgChanges : public QDialog {
    Q_OBJECT
public:
    // profile keeps the window's check box (before and after an upload).
    CDlgChanges(ChangesView view, Profile* profile, QWidget* parent = nullptr);
    ~CDlgChanges() override;

    ChangesModel& Model() { return *m_model; }
    ChangesFilter& Filter() { return *m_filter; }
    QTableView& Table() { return *m_table; }
    QLineEdit& FilterBox() { return *m_filterBox; }
    QString Summary() const;

private:
    ChangesModel* m_model;
    ChangesFilter* m_filter;
    QTableView* m_table;
    QLineEdit* m_filterBox;
    QLabel* m_summary;
};

}  // namespace volmar::gui
