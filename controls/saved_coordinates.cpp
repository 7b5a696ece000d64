#include "controls/saved_coordinates.h"

#include <QGuiApplication>
#include <QScreen>

#include "controls/mul_div.h"

namespace SavedCoordinates {

QPoint ToSaved(QPoint screen, int screenWidth)
{
    if (screenWidth <= 0) return screen;
    return QPoint(MulDiv(screen.x(), Scale, screenWidth), MulDiv(screen.y(), Scale, screenWidth));
}

QPoint FromSaved(QPoint saved, int screenWidth)
{
    if (screenWidth <= 0) return saved;
    return QPoint(MulDiv(saved.x(), screenWidth, Scale), MulDiv(saved.y(), screenWidth, Scale));
}

int PrimaryScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

}  // namespace SavedCoordinates
