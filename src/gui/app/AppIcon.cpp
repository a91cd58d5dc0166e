#include "gui/app/AppIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace volmar::gui {
namespace {

QPixmap Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    const QRectF box(margin, margin, size - 2 * margin, size - 2 * margin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x8f));
    p.drawRoundedRect(box, size / 6.0, size / 6.0);
    // A recorder's trace across the lower half.
    p.setPen(QPen(QColor(0x9f, 0xe0, 0x8f), size / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal y = size * 0.72;
    p.drawPolyline(QPolygonF({{box.left() + margin, y}, {size * 0.35, y}, {size * 0.45, size * 0.58},
                              {size * 0.55, size * 0.86}, {size * 0.65, y}, {box.right() - margin, y}}));
    QFont font;
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.5));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(box.left(), box.top(), box.width(), box.height() * 0.62), Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

}  // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(Draw(size));
    return icon;
}

}  // namespace volmar::gui
