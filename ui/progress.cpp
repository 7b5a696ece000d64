#include "ui/progress.h"

#include <QApplication>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace {

constexpr int TileWidth = 16;
constexpr int StripHeight = 20;

// One tile of the strip: a bevelled block in the highlight colour.
void PaintTile(QPainter& p, const QRect& r, const QPalette& palette)
{
    const QColor fill = palette.color(QPalette::Highlight);
    p.fillRect(r, fill);
    p.setPen(fill.lighter(130));
    p.drawLine(r.topLeft(), r.topRight());
    p.setPen(fill.darker(130));
    p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

Progress::Progress(QWidget* parent) : QWidget(parent)
{
    setObjectName("progress");
    setGeometry(QRect(QPoint(0, 0), parent ? parent->size() : QSize(200, 20)));
    show();
    raise();
    // Clicks meant for the busy window land here and go nowhere.
    grabMouse();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lastRepaint_ = std::chrono::steady_clock::now();
}

std::unique_ptr<Progress> Progress::ForLongWork(QWidget* over, long items, long steps)
{
    if (items < LongWork || !over) return nullptr;
    auto progress = std::make_unique<Progress>(over->window());
    progress->SetDenom(steps);
    return progress;
}

Progress::~Progress()
{
    releaseMouse();
    QApplication::restoreOverrideCursor();
}

void Progress::SetDenom(long total)
{
    denominator_ = total > 0 ? total : 1;
    Update(0);
}

void Progress::Update(long done)
{
    done = std::clamp(done, 0L, denominator_);
    filled_ = int(static_cast<long long>(done) * width() / denominator_);
    const auto now = std::chrono::steady_clock::now();
    if (filled_ == painted_ || now - lastRepaint_ <= RepaintInterval) return;
    const int from = std::min(filled_, painted_), to = std::max(filled_, painted_);
    // The strip alone: below it, the whole window would be painted again.
    repaint(QRect(from, 0, to - from, std::min(height(), StripHeight)));
    lastRepaint_ = now;
    ++repaints_;
}

void Progress::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // Only the strip is painted: the window below shows through.
    const int stripHeight = std::min(height(), StripHeight);
    for (int x = 0; x < filled_; x += TileWidth) {
        const QRect tile(x, 0, std::min(TileWidth, filled_ - x), stripHeight);
        if (tile.intersects(event->rect())) PaintTile(p, tile, palette());
    }
    // The rest of the strip in a light tint of the same colour.
    p.fillRect(QRect(filled_, 0, width() - filled_, stripHeight), palette().color(QPalette::Highlight).lighter(180));
    painted_ = filled_;
}
