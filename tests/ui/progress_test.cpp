// The progress strip: fills in proportion, repaints at most twice a second
// however often it is told, and the strip alone, not the window below it; it
// holds the wait cursor while it lives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>

#include "ui/progress.h"

namespace {

// A widget below the strip that counts how often it is painted.
class PaintCounter : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(ProgressStrip, FillsInProportionAndRepaintsAtMostTwiceASecond)
{
    QWidget window;
    window.resize(400, 300);
    PaintCounter below(&window);
    below.setGeometry(0, 40, 400, 260);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    {
        Progress progress(&window);
        EXPECT_EQ(progress.geometry(), QRect(0, 0, 400, 300));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        progress.SetDenom(1000);
        for (long i = 0; i <= 500; ++i) progress.Update(i);
        EXPECT_EQ(progress.FilledWidth(), 200);
        EXPECT_EQ(progress.Repaints(), 0);  // all within the first half second

        QTest::qWait(int(Progress::RepaintInterval.count()) + 20);
        const int paintsBelow = below.paints;
        for (long i = 500; i <= 1000; ++i) progress.Update(i);
        EXPECT_EQ(progress.Repaints(), 1);
        EXPECT_EQ(below.paints, paintsBelow);
        EXPECT_EQ(progress.FilledWidth(), 400);
        progress.Update(5000);  // beyond the end stays at the end
        EXPECT_EQ(progress.FilledWidth(), 400);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
