#pragma once
// The progress strip shown over a window while long work runs (a large studio
// loading or saving): it covers its parent, takes the mouse from it and shows
// the wait cursor until it goes. The strip fills from the left with a tiled
// picture and repaints at most twice a second, so that telling it of every
// step costs nothing.

#include <QWidget>

#include <chrono>
#include <memory>

class Progress : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds RepaintInterval{500};
    // Work of this many items or more shows its progress.
    static constexpr long LongWork = 100;

    // A strip over the window of `over` for work of `items` items done in
    // `steps` steps; null when the work is too short to wait for.
    static std::unique_ptr<Progress> ForLongWork(QWidget* over, long items, long steps);

    explicit Progress(QWidget* parent);
    ~Progress() override;

    // The amount of work in all; shows none done.
    void SetDenom(long total);
    // done of the total is done: the strip is repainted when its filled width
    // changed and the last repaint is more than half a second ago.
    void Update(long done);

    int FilledWidth() const { return filled_; }
    int Repaints() const { return repaints_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    long denominator_ = 1;
    int filled_ = 0;
    int painted_ = 0;
    int repaints_ = 0;
    std::chrono::steady_clock::time_point lastRepaint_;
};
