// Key-frame curves: key order, replacement, evaluation around the keys, the range, the key
// table's limit and the assignment that keeps a curve's own first key.
#include "foundation/math/Lerper.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Key
{
    float time, value;
};

Lerper<float> Curve(std::initializer_list<Key> keys)
{
    Lerper<float> curve;
    for (const Key& key : keys)
        EXPECT_TRUE(curve.AddKey(key.time, key.value));
    return curve;
}

} // namespace

TEST(Lerper, KeysAddedInAnyOrderAreSorted)
{
    const Lerper<float> curve = Curve({{0.5f, 5.0f}, {1.0f, 2.0f}, {0.0f, 1.0f}, {0.25f, 3.0f}});
    ASSERT_EQ(curve.GetCount(), 4u);
    const std::vector<Key> expected = {{0.0f, 1.0f}, {0.25f, 3.0f}, {0.5f, 5.0f}, {1.0f, 2.0f}};
    for (unsigned i = 0; i < 4; ++i)
    {
        EXPECT_EQ(curve.GetKeyTime(i), expected[i].time);
        EXPECT_EQ(curve.GetKeyValue(i), expected[i].value);
    }
    // The segments follow the sorted keys.
    EXPECT_FLOAT_EQ(curve.GetValue(0.125f), 2.0f);
    EXPECT_FLOAT_EQ(curve.GetValue(0.75f), 3.5f);
}

TEST(Lerper, ValuesBeforeBetweenAndAfterTheKeys)
{
    const Lerper<float> curve = Curve({{0.0f, 0.0f}, {1.0f, 10.0f}});
    const Key cases[] = {{-1.0f, 0.0f}, {0.0f, 0.0f}, {0.5f, 5.0f}, {0.9f, 9.0f}, {1.0f, 10.0f}, {7.0f, 10.0f}};
    for (const Key& c : cases)
        EXPECT_FLOAT_EQ(curve.GetValue(c.time), c.value) << "t = " << c.time;

    const Lerper<float> one(4.0f);
    for (float t : {-5.0f, 0.0f, 0.3f, 100.0f})
        EXPECT_EQ(one.GetValue(t), 4.0f);
}

TEST(Lerper, KeyAtAnExistingTimeReplacesItsValue)
{
    Lerper<float> curve = Curve({{0.0f, 0.0f}, {1.0f, 10.0f}});
    EXPECT_TRUE(curve.AddKey(1.0f, 20.0f));
    EXPECT_EQ(curve.GetCount(), 2u);
    EXPECT_FLOAT_EQ(curve.GetValue(0.5f), 10.0f);
    // The range only widens: the replaced 10 is still inside it.
    EXPECT_TRUE(curve.AddKey(1.0f, 5.0f));
    EXPECT_EQ(curve.GetMax(), 20.0f);
}

TEST(Lerper, RangeStartsAtZeroForAnEmptyCurve)
{
    Lerper<float> positive;
    positive.AddKey(0.0f, 5.0f);
    EXPECT_EQ(positive.GetMin(), 0.0f);
    EXPECT_EQ(positive.GetMax(), 5.0f);

    const Lerper<float> single(5.0f);
    EXPECT_EQ(single.GetMin(), 5.0f);
    EXPECT_EQ(single.GetMax(), 5.0f);

    const Lerper<float> negative = Curve({{0.0f, -3.0f}, {1.0f, -1.0f}});
    EXPECT_EQ(negative.GetMin(), -3.0f);
    EXPECT_EQ(negative.GetMax(), 0.0f);
}

TEST(Lerper, TheTableHoldsAHundredKeysAndRefusesMore)
{
    Lerper<float> curve;
    for (unsigned i = 0; i < Lerper<float>::MaxKeys; ++i)
        ASSERT_TRUE(curve.AddKey(float(i), float(i)));
    EXPECT_FALSE(curve.AddKey(1000.0f, 1.0f));
    EXPECT_FALSE(curve.AddKey(-1.0f, 1.0f));
    EXPECT_EQ(curve.GetCount(), Lerper<float>::MaxKeys);
    EXPECT_EQ(curve.GetValue(1000.0f), 99.0f);
    // A key at a time already held still replaces its value.
    EXPECT_TRUE(curve.AddKey(99.0f, 50.0f));
    EXPECT_EQ(curve.GetValue(1000.0f), 50.0f);
    // A time that is not a number would leave the keys unsorted.
    EXPECT_FALSE(Lerper<float>().AddKey(std::nanf(""), 1.0f));
}

TEST(Lerper, AssignmentCopiesOnlyTheUsedKeys)
{
    Lerper<float> curve(3.0f);
    curve = Lerper<float>();
    EXPECT_EQ(curve.GetCount(), 0u);
    EXPECT_EQ(curve.GetValue(0.5f), 3.0f);
    EXPECT_EQ(curve.GetMax(), 0.0f);
    // An empty curve made as such has a first key of zero.
    EXPECT_EQ(Lerper<float>().GetValue(1.0f), 0.0f);
}

TEST(Lerper, ColourCurves)
{
    Lerper<Color> curve;
    curve.AddKey(1.0f, Color(0.0f, 0.0f, 0.0f, 0.0f));
    curve.AddKey(0.0f, Color(1.0f, 0.5f, 0.0f, 1.0f));
    EXPECT_EQ(curve.GetKeyValue(0), Color(1.0f, 0.5f, 0.0f, 1.0f));
    const Color middle = curve.GetValue(0.5f);
    EXPECT_FLOAT_EQ(middle.r, 0.5f);
    EXPECT_FLOAT_EQ(middle.g, 0.25f);
    EXPECT_FLOAT_EQ(middle.b, 0.0f);
    EXPECT_FLOAT_EQ(middle.a, 0.5f);
    EXPECT_EQ(curve.GetValue(2.0f), Color(0.0f, 0.0f, 0.0f, 0.0f));
    // Ordered by the sum of the channels; the empty curve's range starts at zero.
    EXPECT_EQ(curve.GetMax(), Color(1.0f, 0.5f, 0.0f, 1.0f));
    EXPECT_EQ(curve.GetMin(), Color(0.0f));
    // Keys an empty colour curve never set are white.
    EXPECT_EQ(Lerper<Color>().GetValue(0.0f), Color(1.0f, 1.0f, 1.0f, 1.0f));
}
