#include "gui/common/AccountGrid.h"

#include <cstring>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/common/RecordText.h"
#include "core/link/transfer/Interaction.h"

namespace volmar::gui {
namespace {

constexpr int kCredentialChars = 16;
constexpr int kModeEnable = 1;
constexpr const char* kFactoryLogin = "kovan";

std::string AccountError(const char* text, int account)
{
    return std::string(text) + "(ID" + std::to_string(account + 1) + ")";
}

}  // namespace

void FillModeCombo(QComboBox* combo)
{
    combo->addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
}

AccountGrid::AccountGrid(Interaction& ui, QWidget* parent) : QWidget(parent), ui_(ui)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Mode")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Login ID")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Password")), 0, 3);
    for (int i = 0; i < kAccountCount; ++i) {
        Row& row = rows_[i];
        row.mode = new QComboBox(this);
        FillModeCombo(row.mode);
        row.login = new QLineEdit(this);
        row.password = new QLineEdit(this);
        grid->addWidget(new QLabel(QStringLiteral("ID%1").arg(i + 1)), i + 1, 0);
        grid->addWidget(row.mode, i + 1, 1);
        grid->addWidget(row.login, i + 1, 2);
        grid->addWidget(row.password, i + 1, 3);
        connect(row.mode, &QComboBox::currentIndexChanged, this, [this, i] { ModeChanged(i); });
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    UpdateEnabled();
}

void AccountGrid::Load(const Account (&accounts)[kAccountCount])
{
    for (int i = 0; i < kAccountCount; ++i) {
        const QSignalBlocker block(rows_[i].mode);
        rows_[i].mode->setCurrentIndex(accounts[i].MODE == kModeEnable ? 1 : 0);
        rows_[i].login->setText(RecordText(accounts[i].LOGIN));
        rows_[i].password->setText(RecordText(accounts[i].PASSWORD));
    }
    UpdateEnabled();
}

void AccountGrid::Store(Account (&accounts)[kAccountCount]) const
{
    for (int i = 0; i < kAccountCount; ++i) {
        accounts[i].MODE = rows_[i].mode->currentIndex();
        StoreRecordText(accounts[i].LOGIN, rows_[i].login->text());
        StoreRecordText(accounts[i].PASSWORD, rows_[i].password->text());
    }
}

std::optional<std::string> AccountGrid::CheckTexts() const
{
    for (int i = 0; i < kAccountCount; ++i) {
        if (!IsPlainCredential(rows_[i].login->text(), kCredentialChars))
            return AccountError("Setting error: Login ID", i);
        if (!IsPlainCredential(rows_[i].password->text(), kCredentialChars))
            return AccountError("Setting error: Password", i);
    }
    return std::nullopt;
}

std::optional<std::string> AccountGrid::CheckDuplicates() const
{
    for (int i = 0; i < kAccountCount; ++i) {
        if (!Enabled(i)) continue;
        for (int j = i + 1; j < kAccountCount; ++j) {
            if (Enabled(j) && rows_[i].login->text() == rows_[j].login->text())
                return "Login ID: " + rows_[i].login->text().toStdString() + " duplicated";
        }
    }
    return std::nullopt;
}

bool AccountGrid::Enabled(int account) const
{
    return rows_[account].mode->currentIndex() == kModeEnable;
}

void AccountGrid::ModeChanged(int account)
{
    if (!Enabled(account)) {
        if (auto refused = CheckTexts()) {
            ui_.Show({MessageIcon::Error, *refused});
            const QSignalBlocker block(rows_[account].mode);
            rows_[account].mode->setCurrentIndex(kModeEnable);
        }
    }
    UpdateEnabled();
}

void AccountGrid::UpdateEnabled()
{
    for (int i = 0; i < kAccountCount; ++i) {
        rows_[i].login->setEnabled(Enabled(i));
        rows_[i].password->setEnabled(Enabled(i));
    }
}

bool AnyAccountAtDefaults(const Account (&accounts)[kAccountCount])
{
    for (const Account& a : accounts) {
        if (a.MODE != kModeEnable) continue;
        if (a.LOGIN[0] == '\0' || a.PASSWORD[0] == '\0') return true;
        if (std::strcmp(a.LOGIN, kFactoryLogin) == 0 && std::strcmp(a.PASSWORD, kFactoryLogin) == 0) return true;
    }
    return false;
}

}  // namespace volmar::gui
