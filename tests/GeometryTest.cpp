#include "platform/Geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, PtInRectTreatsRightAndBottomEdgesAsOutside)
{
    Rect r;
    SetRect(r, 2, 5, 27, 30);
    EXPECT_TRUE(PtInRect(r, Point{2, 5}));
    EXPECT_TRUE(PtInRect(r, Point{26, 29}));
    EXPECT_FALSE(PtInRect(r, Point{27, 10}));
    EXPECT_FALSE(PtInRect(r, Point{10, 30}));
    EXPECT_FALSE(PtInRect(r, Point{1, 10}));
    EXPECT_FALSE(PtInRect(r, Point{10, 4}));
}

TEST(Geometry, OffsetAndInflateMoveEveryEdge)
{
    Rect r{60, 90, 90, 120}; // cell (3, 2) of a 30-pixel board
    InflateRect(r, -5, -5);
    EXPECT_EQ(r.left, 65);
    EXPECT_EQ(r.top, 95);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 20);
    OffsetRect(r, -2, 3);
    EXPECT_EQ(r.left, 63);
    EXPECT_EQ(r.right, 83);
    EXPECT_EQ(r.top, 98);
    EXPECT_EQ(r.bottom, 118);
    InflateRect(r, -10, -10);
    EXPECT_TRUE(r.IsEmpty());
}

TEST(Geometry, IntersectAndUnionIgnoreEmptyRectangles)
{
    Rect a{0, 0, 10, 10};
    Rect b{5, 5, 20, 8};
    Rect i = IntersectRect(a, b);
    EXPECT_EQ(i.left, 5);
    EXPECT_EQ(i.top, 5);
    EXPECT_EQ(i.right, 10);
    EXPECT_EQ(i.bottom, 8);
    EXPECT_TRUE(IntersectRect(a, Rect{10, 0, 20, 10}).IsEmpty());

    Rect u = UnionRect(a, b);
    EXPECT_EQ(u.right, 20);
    EXPECT_EQ(u.bottom, 10);
    Rect same = UnionRect(Rect{0, 0, 0, 0}, b);
    EXPECT_EQ(same.left, 5);
    EXPECT_EQ(same.right, 20);
}
