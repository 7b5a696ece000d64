#include "app/commands/list_button_pictures.h"

#include <QPainter>

namespace {

using namespace CommandPicture;

constexpr int AddPicture = 6514;
constexpr int DeletePicture = 6513;

// A sheet with three lines of a list; the lowest one is the line that
// changes and is drawn in `mark`.
void ListSheet(QPainter& p, const Inks& k, const QColor& mark)
{
    p.setPen(Outline(k.ink, 1.0));
    p.setBrush(k.paper);
    p.drawRect(QRectF(1.5, 2.5, 12, 14));
    p.setPen(Outline(k.ink, 1.2));
    for (int i = 0; i < 2; ++i) p.drawLine(QPointF(3.5, 6 + 3.5 * i), QPointF(11.5, 6 + 3.5 * i));
    p.setPen(Outline(mark, 1.6));
    p.drawLine(QPointF(3.5, 13), QPointF(11.5, 13));
}

}  // namespace

bool PaintListButtonPicture(QPainter& p, int id, const Inks& k)
{
    switch (id) {
    case AddPicture:
        ListSheet(p, k, k.accent);
        Plus(p, k.accent, QPointF(15, 14.5), 3.5);
        return true;
    case DeletePicture:
        ListSheet(p, k, k.alarm);
        Cross(p, k.alarm, QPointF(15, 14.5), 3);
        return true;
    default: return false;
    }
}
