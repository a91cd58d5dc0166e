#pragma once
// The eight web accounts "ID1" to "ID8" (mode, login ID, password) as the
// web server editor shows them, with their checks. A login ID or password
// is edited only while its account is enabled; switching an account off
// first checks every account's texts and refuses the switch if one fails.
#include <array>
#include <optional>
#include <string>
#include <utility>

#include <QWidget>

#include "core/rules/ComRules.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class AccountGrid : public QWidget {
    Q_OBJECT
public:
    AccountGrid(Interaction& ui, QWidget* parent = nullptr);

    void Load(const Account (&accounts)[kAccountCount]);
    void Store(Account (&accounts)[kAccountCount]) const;

    // Lengths and character codes, account 1 to 8, login ID before
    // password: "Setting error: Login ID(ID3)".
    std::optional<std::string> CheckTexts() const;
    // Two enabled accounts with the same login ID (case counts):
    // "Login ID: <id> duplicated".
    std::optional<std::string> CheckDuplicates() const;

    QComboBox* Mode(int account) const { return m_rows.at(account).mode; }
    QLineEdit* Login(int account) const { return m_rows.at(account).login; }
    QLineEdit* Password(int account) const { return m_rows.at(account).password; }

private:
    using RowTexts = std::array<std::pair<std::string, std::string>, kAccountCount>;
    RowTexts Texts() const;
    std::array<rules::AccountView, kAccountCount> Views(const RowTexts& texts) const;

    struct Row {
        QComboBox* mode = nullptr;
        QLineEdit* login = nullptr;
        QLineEdit* password = nullptr;
    };

    bool Enabled(int account) const;
    void ModeChanged(int account);
    void UpdateEnabled();

    Interaction& m_ui;
    std::array<Row, kAccountCount> m_rows{};
};

// Fills a combo with "Disable" (0) and "Enable" (1).
void FillModeCombo(QComboBox* combo);

// Whether an enabled account still has an empty login ID or password, or
// the factory login (the core's check).
using rules::AnyAccountAtDefaults;

}  // namespace volmar::gui
