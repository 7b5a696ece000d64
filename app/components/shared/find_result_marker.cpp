#include "app/components/shared/find_result_marker.h"

#include <QPainter>

#include "app/components/shared/label_strips.h"

void DrawFindResultMarker(QPainter& p, QPoint at)
{
    // Yellow over black reads on the red and blue cells and on any background.
    const QRectF frame(at.x() - 0.5, at.y() - 0.5, LabelStrips::CellWidth + 1.0, LabelStrips::CellHeight + 1.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.0));
    p.drawRoundedRect(frame, 3.0, 3.0);
    p.setPen(QPen(QColor(0xff, 0xd5, 0x4f), 1.4, Qt::DashLine));
    p.drawRoundedRect(frame, 3.0, 3.0);
    p.restore();
}
