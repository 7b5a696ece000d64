#include "controls/pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

Pane::Pane(QWidget* parent, int x, int y, int w, int h, int vertical) : QWidget(parent), vertical_(vertical != 0)
{
    setGeometry(x, y, w, h);
    setCursor(vertical_ ? Qt::SplitHCursor : Qt::SplitVCursor);
    setVisible(true);
}

void Pane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // A 3-pixel line along the middle of the bar.
    const QColor line = palette().color(QPalette::WindowText);
    if (vertical_)
        painter.fillRect(QRect(width() / 2 - 1 - 1, 0, 3, height()), line);
    else
        painter.fillRect(QRect(0, height() / 2 - 1 - 1, width(), 3), line);
}

QRect Pane::BandAt(const QPoint& point) const
{
    const QWidget* parent = parentWidget();
    if (!parent) return {};
    if (vertical_) return QRect(point.x() - width() / 2, 0, width(), parent->height());
    return QRect(0, point.y() - height() / 2, parent->width(), height());
}

QRect Pane::BandRect() const { return band_ && band_->isVisible() ? band_->geometry() : QRect(); }

void Pane::ShowBand(const QPoint& point)
{
    if (!parentWidget()) return;
    if (!band_) band_ = new QRubberBand(QRubberBand::Line, parentWidget());
    band_->setGeometry(BandAt(point));
    band_->show();
    band_->raise();
}

void Pane::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !parentWidget()) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    lastPoint_ = mapToParent(event->position().toPoint());
    ShowBand(lastPoint_);
}

void Pane::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) return;
    lastPoint_ = mapToParent(event->position().toPoint());
    ShowBand(lastPoint_);
}

void Pane::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    const QPoint point = mapToParent(event->position().toPoint());
    EndDrag();
    emit Dropped(vertical_ ? point.x() : point.y());
}

void Pane::EndDrag()
{
    dragging_ = false;
    if (band_) band_->hide();
}
