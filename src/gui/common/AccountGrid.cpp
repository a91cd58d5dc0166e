#include "gui/common/AccountGrid.h"

#include <vector>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/common/RecordText.h"
#include "core/link/transfer/Interaction.h"

namespace volmar::gui {
namespace {

constexpr int kModeEnable = 1;

std::optional<std::string> First(const std::vector<rules::AccountProblem>& problems)
{
    if (problems.empty()) return std::nullopt;
    return problems.front().message;
}

}  // namespace

void FillModeCombo(QComboBox* combo)
{
    combo->addItems({QStringLiteral("Disable"), QStringLiteral("Enable")});
}

AccountGrid::AccountGrid(Interaction& ui, QWidget* parent) : QWidget(parent), m_ui(ui)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Mode")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Login ID")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Password")), 0, 3);
    for (int i = 0; i < kAccountCount; ++i) {
        Row& row = m_rows[i];
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
        const QSignalBlocker block(m_rows[i].mode);
        m_rows[i].mode->setCurrentIndex(accounts[i].MODE == kModeEnable ? 1 : 0);
        m_rows[i].login->setText(RecordText(accounts[i].LOGIN));
        m_rows[i].password->setText(RecordText(accounts[i].PASSWORD));
    }
    UpdateEnabled();
}

void AccountGrid::Store(Account (&accounts)[kAccountCount]) const
{
    for (int i = 0; i < kAccountCount; ++i) {
        accounts[i].MODE = m_rows[i].mode->currentIndex();
        StoreRecordText(accounts[i].LOGIN, m_rows[i].login->text());
        StoreRecordText(accounts[i].PASSWORD, m_rows[i].password->text());
    }
}

std::optional<std::string> AccountGrid::CheckTexts() const
{
    return First(rules::CheckAccountTexts(Views(Texts())));
}

std::optional<std::string> AccountGrid::CheckDuplicates() const
{
    return First(rules::CheckDuplicateLogins(Views(Texts())));
}

AccountGrid::RowTexts AccountGrid::Texts() const
{
    RowTexts texts;
    for (int i = 0; i < kAccountCount; ++i)
        texts[i] = {m_rows[i].login->text().toStdString(), m_rows[i].password->text().toStdString()};
    return texts;
}

std::array<rules::AccountView, kAccountCount> AccountGrid::Views(const RowTexts& texts) const
{
    std::array<rules::AccountView, kAccountCount> views{};
    for (int i = 0; i < kAccountCount; ++i) views[i] = {Enabled(i), texts[i].first, texts[i].second};
    return views;
}

bool AccountGrid::Enabled(int account) const
{
    return m_rows[account].mode->currentIndex() == kModeEnable;
}

void AccountGrid::ModeChanged(int account)
{
    if (!Enabled(account)) {
        if (auto refused = CheckTexts()) {
            m_ui.Show({MessageIcon::Error, *refused});
            const QSignalBlocker block(m_rows[account].mode);
            m_rows[account].mode->setCurrentIndex(kModeEnable);
        }
    }
    UpdateEnabled();
}

void AccountGrid::UpdateEnabled()
{
    for (int i = 0; i < kAccountCount; ++i) {
        m_rows[i].login->setEnabled(Enabled(i));
        m_rows[i].password->setEnabled(Enabled(i));
    }
}

}  // namespace volmar::gui
