#pragma once
// The About box: the program's name and version.
#include <QDialog>

class QLabel;

namespace volmar::gui {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }

private:
    QLabel* m_version = nullptr;
};

}  // namespace volmar::gui
