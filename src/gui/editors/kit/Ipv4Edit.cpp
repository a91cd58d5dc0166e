#include "editors/kit/Ipv4Edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace volmar::gui::kit {

std::optional<std::array<uint8_t, 4>> ParseIpv4(const char* text)
{
    std::array<uint8_t, 4> parts{};
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*p != '.') return std::nullopt;
            ++p;
        }
        int value = 0, digits = 0;
        while (*p >= '0' && *p <= '9' && digits < 4) {
            value = value * 10 + (*p - '0');
            ++p;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
        parts[static_cast<size_t>(i)] = static_cast<uint8_t>(value);
    }
    if (*p != '\0') return std::nullopt;
    return parts;
}

Ipv4Edit::Ipv4Edit(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    static const QRegularExpression kPart(QStringLiteral("^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?$"));
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (i > 0) row->addWidget(new QLabel(QStringLiteral("."), this));
        auto* part = new QLineEdit(this);
        part->setValidator(new QRegularExpressionValidator(kPart, part));
        part->setMaxLength(3);
        part->setAlignment(Qt::AlignCenter);
        part->setFixedWidth(part->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        part->installEventFilter(this);
        m_parts[i] = part;
        row->addWidget(part);
        if (i < 3) {
            connect(part, &QLineEdit::textEdited, this, [this, i](const QString& text) {
                if (text.size() != 3) return;
                m_parts[i + 1]->setFocus();
                m_parts[i + 1]->selectAll();
            });
        }
    }
    row->addStretch(1);
    setFocusProxy(m_parts[0]);
}

bool Ipv4Edit::IsBlank() const
{
    for (const QLineEdit* part : m_parts) {
        if (!part->text().isEmpty()) return false;
    }
    return true;
}

void Ipv4Edit::Clear()
{
    for (QLineEdit* part : m_parts) part->clear();
}

void Ipv4Edit::SetAddress(const char* text)
{
    Clear();
    const auto parts = ParseIpv4(text);
    if (!parts) return;
    for (size_t i = 0; i < 4; ++i) m_parts[i]->setText(QString::number((*parts)[i]));
}

QString Ipv4Edit::Address() const
{
    QStringList parts;
    for (const QLineEdit* part : m_parts) parts << QString::number(part->text().toInt());
    return parts.join(QLatin1Char('.'));
}

bool Ipv4Edit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (watched != m_parts[i]) continue;
        if (key->text() == QStringLiteral(".") && i < 3) {
            m_parts[i + 1]->setFocus();
            m_parts[i + 1]->selectAll();
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
