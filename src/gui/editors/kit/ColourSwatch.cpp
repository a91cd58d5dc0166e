#include "gui/editors/kit/ColourSwatch.h"

#include <QColorDialog>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace volmar::gui::kit {

QColor ColourFromRecord(uint32_t value)
{
    return QColor(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>(value & 0xFF));
}

uint32_t ColourToRecord(const QColor& colour)
{
    return (static_cast<uint32_t>(colour.red()) << 16) | (static_cast<uint32_t>(colour.green()) << 8) |
           static_cast<uint32_t>(colour.blue());
}

ColourSwatch::ColourSwatch(QWidget* parent)
    : QWidget(parent), m_swatch(new QFrame(this)), m_choose(new QToolButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setFixedSize(36, 20);
    m_swatch->setAutoFillBackground(true);
    m_choose->setText(QStringLiteral("..."));
    row->addWidget(m_swatch);
    row->addWidget(m_choose);
    connect(m_choose, &QToolButton::clicked, this, &ColourSwatch::Choose);
    Repaint();
}

void ColourSwatch::SetRecordColour(uint32_t value)
{
    m_colour = ColourFromRecord(value);
    Repaint();
}

void ColourSwatch::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) Repaint();
}

void ColourSwatch::Choose()
{
    const QColor chosen = QColorDialog::getColor(ChooserStart(), this);
    if (!chosen.isValid()) return;
    m_colour = chosen;
    Repaint();
    emit Changed(RecordColour());
}

void ColourSwatch::Repaint()
{
    // A disabled swatch is drawn washed out, so that it reads as disabled.
    QColor shown = m_colour;
    if (!isEnabled()) shown = QColor::fromRgbF(0.5f + shown.redF() / 2, 0.5f + shown.greenF() / 2,
                                               0.5f + shown.blueF() / 2);
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, shown);
    m_swatch->setPalette(palette);
}

}  // namespace volmar::gui::kit
