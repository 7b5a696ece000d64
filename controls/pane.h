#pragma once
// A splitter bar between two parts of a window. The user drags it; while
// dragging a band across the parent shows where it will land, and on release
// the bar reports the position to its parent through Dropped (the x of the
// pointer in the parent for a vertical bar, the y for a horizontal one). The
// parent lays itself out again; the bar does not move itself.

#include <QPointer>
#include <QWidget>

class QRubberBand;

class Pane : public QWidget {
    Q_OBJECT
public:
    Pane(QWidget* parent, int x, int y, int w, int h, int vertical);

    bool IsVertical() const { return vertical_; }
    bool IsDragging() const { return dragging_; }
    // The band shown while dragging, in parent coordinates (empty when not dragging).
    QRect BandRect() const;

signals:
    void Dropped(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect BandAt(const QPoint& pointInParent) const;
    void ShowBand(const QPoint& pointInParent);
    void EndDrag();

    bool vertical_;
    bool dragging_ = false;
    QPoint lastPoint_;  // in parent coordinates
    QPointer<QRubberBand> band_;
};
