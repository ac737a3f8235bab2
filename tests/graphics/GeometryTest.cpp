#include "graphics/AffineTransform.h"
#include "graphics/Color.h"
#include "graphics/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform::graphics;

namespace {

void expectNear(const Point& actual, const Point& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

} // namespace

TEST(RectTest, ContainmentIsHalfOpenSoNeighboursNeverShareAPoint)
{
    const Rect left = makeRect(0, 0, 10, 10);
    const Rect right = makeRect(10, 0, 10, 10);
    EXPECT_TRUE(left.contains(Point{0, 0}));
    EXPECT_FALSE(left.contains(Point{10, 5}));
    EXPECT_TRUE(right.contains(Point{10, 5}));
    EXPECT_FALSE(left.intersects(right));
    EXPECT_TRUE(left.intersection(right).isEmpty());
}

TEST(RectTest, UnionIntersectionAndInsets)
{
    const Rect a = makeRect(0, 0, 10, 10);
    const Rect b = makeRect(5, 5, 10, 10);
    EXPECT_EQ(a.intersection(b), makeRect(5, 5, 5, 5));
    EXPECT_EQ(a.unionWith(b), makeRect(0, 0, 15, 15));
    EXPECT_EQ(a.unionWith(Rect{}), a);
    EXPECT_EQ(a.inset(EdgeInsets{1, 2, 3, 4}), makeRect(2, 1, 4, 6));
    EXPECT_EQ(a.insetBy(-5, -5), makeRect(-5, -5, 20, 20));
    EXPECT_EQ(b.center(), (Point{10, 10}));
}

TEST(AffineTransformTest, ConcatenationAppliesInOrder)
{
    const auto scaleThenMove = AffineTransform::scale(2, 3).concatenating(AffineTransform::translation(10, 20));
    expectNear(scaleThenMove.apply(Point{1, 1}), {12, 23});
    const auto moveThenScale = AffineTransform::translation(10, 20).concatenating(AffineTransform::scale(2, 3));
    expectNear(moveThenScale.apply(Point{1, 1}), {22, 63});
    expectNear(AffineTransform::identity().translatedBy(5, 0).scaledBy(2, 2).apply(Point{1, 0}), {7, 0});
}

TEST(AffineTransformTest, RotationAndInverseRoundTrip)
{
    const auto rotation = AffineTransform::rotation(M_PI / 2);
    expectNear(rotation.apply(Point{1, 0}), {0, 1});
    const auto transform = rotation.concatenating(AffineTransform::translation(3, -4)).scaledBy(2, 0.5);
    const auto inverse = transform.inverted();
    ASSERT_TRUE(inverse.has_value());
    expectNear(inverse->apply(transform.apply(Point{7, 9})), {7, 9});
    EXPECT_FALSE(AffineTransform::scale(0, 1).inverted().has_value());
}

TEST(AffineTransformTest, RectangleMapsToBoundingBoxOfCorners)
{
    const Rect rotated = AffineTransform::rotation(M_PI / 4).apply(makeRect(-1, -1, 2, 2));
    EXPECT_NEAR(rotated.width(), 2 * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(rotated.midX(), 0, 1e-9);
}

TEST(ColorTest, HexParsingAcceptsSixOrEightDigitsOnly)
{
    EXPECT_EQ(Color::fromHex("#FF8000"), Color::fromRGBA(1, 128 / 255.0, 0));
    EXPECT_EQ(Color::fromHex("00000080")->alpha, 128 / 255.0);
    EXPECT_FALSE(Color::fromHex("#12345").has_value());
    EXPECT_FALSE(Color::fromHex("#GG0000").has_value());
    EXPECT_EQ(Color::fromRGBA(0.443, 0.443, 0.443).hexString(), "#717171");
}
