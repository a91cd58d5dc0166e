#include "gui/editors/com/CDlgSetComFtps.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "gui/common/RecordText.h"
#include "core/rules/ComRules.h"

namespace volmar::gui {
namespace {

constexpr int kModeEnable = 1;

}  // namespace

CDlgSetComFtps::CDlgSetComFtps(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("FTP server"));
    const FtpBlock& ftp = record.COM.FTP;
    m_mode = new QComboBox(this);
    FillModeCombo(m_mode);
    m_acceptedMode = ftp.MODE == kModeEnable ? 1 : 0;
    m_mode->setCurrentIndex(m_acceptedMode);
    m_id = new QLineEdit(RecordText(ftp.ID), this);
    m_password = new QLineEdit(RecordText(ftp.PASSWORD), this);
    m_port = NewDigitsEdit(this);
    m_port->setText(QString::number(ftp.PORT));
    connect(m_mode, &QComboBox::currentIndexChanged, this, &CDlgSetComFtps::ModeChosen);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("FTP server"), m_mode);
    form->addRow(QStringLiteral("ID"), m_id);
    form->addRow(QStringLiteral("Password"), m_password);
    form->addRow(QStringLiteral("Port address *1"), m_port);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetComFtps::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting.")));
    layout->addWidget(buttons);
    setMinimumWidth(360);
    StopButtonsTakingEnter(this);
    UpdateEnabled();
}

std::optional<std::string> CDlgSetComFtps::Check() const
{
    const std::string id = m_id->text().toStdString(), password = m_password->text().toStdString();
    const char* message = rules::FirstMessage(
        rules::CheckFtpServer({m_mode->currentIndex() == kModeEnable, id, password, DigitsValue(m_port->text())}));
    if (!message) return std::nullopt;
    return message;
}

// The new selection stands only if the fields pass with the old one.
void CDlgSetComFtps::ModeChosen(int index)
{
    const QSignalBlocker block(m_mode);
    m_mode->setCurrentIndex(m_acceptedMode);
    if (auto refused = Check()) {
        m_ctx.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    m_acceptedMode = index;
    m_mode->setCurrentIndex(index);
    UpdateEnabled();
    m_mode->setFocus();
}

void CDlgSetComFtps::UpdateEnabled()
{
    const bool on = m_mode->currentIndex() == kModeEnable;
    m_id->setEnabled(on);
    m_password->setEnabled(on);
    m_port->setEnabled(on);
}

void CDlgSetComFtps::OnOk()
{
    if (auto refused = Check()) {
        m_ctx.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    FtpBlock& ftp = m_record.COM.FTP;
    ftp.MODE = m_mode->currentIndex();
    StoreRecordText(ftp.ID, m_id->text());
    StoreRecordText(ftp.PASSWORD, m_password->text());
    // A disabled server's port is not checked; one out of range is not
    // stored rather than wrapped.
    const uint64_t port = DigitsValue(m_port->text());
    if (port <= 65535) ftp.PORT = static_cast<uint16_t>(port);
    accept();
}

void CDlgSetComFtps::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        OnOk();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace volmar::gui
