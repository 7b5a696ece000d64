// Pane: dragging shows a band across the parent and the release reports the
// pointer's position in the parent.
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "controls/pane.h"

TEST(Pane, VerticalBarReportsTheParentXWhereItIsReleased)
{
    QWidget parent;
    parent.resize(400, 300);
    Pane pane(&parent, 150, 7, 7, 286, 1);
    EXPECT_TRUE(pane.isVisibleTo(&parent));
    EXPECT_EQ(pane.geometry(), QRect(150, 7, 7, 286));
    EXPECT_EQ(pane.cursor().shape(), Qt::SplitHCursor);
    parent.show();
    QSignalSpy dropped(&pane, &Pane::Dropped);

    QTest::mousePress(&pane, Qt::LeftButton, {}, QPoint(3, 100));
    EXPECT_TRUE(pane.IsDragging());
    EXPECT_EQ(pane.BandRect(), QRect(153 - 3, 0, 7, 300));  // centred on the pointer, full height
    QTest::mouseMove(&pane, QPoint(200 - 150, 120));
    EXPECT_EQ(pane.BandRect(), QRect(200 - 3, 0, 7, 300));
    QTest::mouseRelease(&pane, Qt::LeftButton, {}, QPoint(200 - 150, 120));

    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toInt(), 200);
    EXPECT_FALSE(pane.IsDragging());
    EXPECT_TRUE(pane.BandRect().isEmpty());
    // The bar does not move itself; its parent lays it out.
    EXPECT_EQ(pane.x(), 150);
}

TEST(Pane, HorizontalBarReportsY)
{
    QWidget parent;
    parent.resize(300, 400);
    Pane pane(&parent, 0, 100, 300, 6, 0);
    EXPECT_EQ(pane.cursor().shape(), Qt::SplitVCursor);
    parent.show();
    QSignalSpy dropped(&pane, &Pane::Dropped);
    QTest::mousePress(&pane, Qt::LeftButton, {}, QPoint(50, 3));
    EXPECT_EQ(pane.BandRect(), QRect(0, 103 - 3, 300, 6));
    QTest::mouseRelease(&pane, Qt::LeftButton, {}, QPoint(50, -40));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toInt(), 60);
}
