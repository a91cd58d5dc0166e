#include "gui/editors/kit/Ipv4Edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "core/settings/ValueText.h"

namespace volmar::gui::kit {
namespace {

// One part: empty or 0 to 255; or a whole dotted address being pasted,
// which the field then spreads over the four parts.
class PartValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        static const QRegularExpression kPart(QStringLiteral("^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?$"));
        if (kPart.match(input).hasMatch()) return Acceptable;
        if (input.contains(QLatin1Char('.')) && ParseIpv4(input.trimmed().toLatin1().constData())) return Acceptable;
        return Invalid;
    }
};

}  // namespace

std::optional<std::array<uint8_t, 4>> ParseIpv4(const char* text)
{
    return ParseIpv4Text(text);
}

Ipv4Edit::Ipv4Edit(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (i > 0) row->addWidget(new QLabel(QStringLiteral("."), this));
        auto* part = new QLineEdit(this);
        part->setValidator(new PartValidator(part));
        part->setAlignment(Qt::AlignCenter);
        part->setFixedWidth(part->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        part->installEventFilter(this);
        m_parts[i] = part;
        row->addWidget(part);
        connect(part, &QLineEdit::textEdited, this, [this, i](const QString& text) { OnPartEdited(i, text); });
    }
    row->addStretch(1);
    setFocusProxy(m_parts[0]);
}

void Ipv4Edit::OnPartEdited(size_t i, const QString& text)
{
    m_edited = true;
    setToolTip(QString());
    if (text.contains(QLatin1Char('.'))) {
        // A pasted address: spread it over the four parts.
        const auto parts = ParseIpv4(text.trimmed().toLatin1().constData());
        for (size_t k = 0; k < 4; ++k) m_parts[k]->setText(parts ? QString::number((*parts)[k]) : QString());
        m_parts[3]->setFocus();
        m_parts[3]->end(false);
        return;
    }
    if (text.size() == 3 && i < 3 && m_parts[i]->cursorPosition() == 3) {
        MoveTo(i + 1);
        m_advancedInto = static_cast<int>(i + 1);
    }
}

void Ipv4Edit::MoveTo(size_t i)
{
    m_parts[i]->setFocus();
    m_parts[i]->selectAll();
}

bool Ipv4Edit::IsBlank() const
{
    for (const QLineEdit* part : m_parts) {
        if (!part->text().isEmpty()) return false;
    }
    return true;
}

bool Ipv4Edit::IsPartial() const
{
    bool anyBlank = false;
    for (const QLineEdit* part : m_parts) anyBlank = anyBlank || part->text().isEmpty();
    return anyBlank && !IsBlank();
}

void Ipv4Edit::Clear()
{
    for (QLineEdit* part : m_parts) part->clear();
    m_kept.clear();
    m_edited = true;
    setToolTip(QString());
}

void Ipv4Edit::SetAddress(const char* text)
{
    for (QLineEdit* part : m_parts) part->clear();
    m_edited = false;
    m_advancedInto = -1;
    m_kept.clear();
    setToolTip(QString());
    const auto parts = ParseIpv4(text);
    if (!parts) {
        m_kept = QString::fromLatin1(text);
        if (!m_kept.isEmpty()) setToolTip(QStringLiteral("Stored: %1").arg(m_kept));
        return;
    }
    for (size_t i = 0; i < 4; ++i) m_parts[i]->setText(QString::number((*parts)[i]));
}

QString Ipv4Edit::Address() const
{
    QStringList parts;
    for (const QLineEdit* part : m_parts) parts << QString::number(part->text().toInt());
    return parts.join(QLatin1Char('.'));
}

QString Ipv4Edit::Text() const
{
    if (!m_edited && !m_kept.isEmpty()) return m_kept;
    return IsBlank() ? QString() : Address();
}

bool Ipv4Edit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (watched != m_parts[i]) continue;
        const bool justAdvanced = m_advancedInto == static_cast<int>(i);
        m_advancedInto = -1;
        if (key->text() == QStringLiteral(".")) {
            // A dot right after the move that three digits made is the dot
            // the user meant there: it does not move on again.
            if (!justAdvanced && i < 3) MoveTo(i + 1);
            return true;
        }
        if (key->key() == Qt::Key_Backspace && i > 0 && m_parts[i]->text().isEmpty()) {
            m_parts[i - 1]->setFocus();
            m_parts[i - 1]->end(false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace volmar::gui::kit
