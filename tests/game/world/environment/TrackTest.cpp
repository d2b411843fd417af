// Tracks: their points come out in index order, and a level file cannot overfill them.
#include <gtest/gtest.h>

#include <vector>

#include "CoreTestSupport.h"
#include "game/world/environment/Track.h"

namespace {
std::vector<int> Indices(const Track& track)
{
    std::vector<int> indices;
    for (unsigned i = 0; i < track.GetPointCount(); ++i)
        indices.push_back(track.GetPoint(i).index);
    return indices;
}
} // namespace

// Equal indices keep the order they were added in: the x values tell them apart.
TEST(Track, PointsAreOrderedByIndexAndTheLinesJoinNeighbours)
{
    Track track;
    track.AddPoint(Vec3(3, 0, 0), 3);
    track.AddPoint(Vec3(1, 0, 0), 1);
    track.AddPoint(Vec3(20, 0, 0), 2);
    track.AddPoint(Vec3(21, 0, 0), 2);
    track.PostInitialize();
    EXPECT_EQ(std::vector<int>({1, 2, 2, 3}), Indices(track));
    EXPECT_FLOAT_EQ(20.0f, track.GetPoint(1).position.x);
    EXPECT_FLOAT_EQ(21.0f, track.GetPoint(2).position.x);
    ASSERT_EQ(3u, track.GetPathLines().size());
    for (unsigned i = 0; i < 3; ++i)
    {
        EXPECT_FLOAT_EQ(track.GetPoint(i).position.x, track.GetPathLines()[i].v[0].x);
        EXPECT_FLOAT_EQ(track.GetPoint(i + 1).position.x, track.GetPathLines()[i].v[1].x);
        EXPECT_EQ(0xFF00FF00u, track.GetPathLines()[i].color);
    }
}

TEST(Track, OnePointOrNoneMakesNoPathLine)
{
    for (unsigned points : {0u, 1u})
    {
        Track track;
        for (unsigned i = 0; i < points; ++i)
            track.AddPoint(Vec3(0, 0, 0), i);
        track.PostInitialize();
        EXPECT_TRUE(track.GetPathLines().empty()) << points << " points";
    }
}

TEST(Track, StartsUnnamedAndUnconstrained)
{
    Track track;
    EXPECT_EQ(Name("(no_name)"), track.GetName());
    EXPECT_LT(track.GetConstrainedSpeed(), 0.0f);
}

TEST(Track, PointsPastTheLimitAreRefusedWithAnError)
{
    LogWatch log;
    Track track;
    for (unsigned i = 0; i < Track::MaxPoints + 44; ++i)
        track.AddPoint(Vec3(float(i), 0, 0), i);
    track.PostInitialize();
    EXPECT_EQ(Track::MaxPoints, track.GetPointCount());
    EXPECT_EQ(Track::MaxPoints - 1, track.GetPathLines().size());
    EXPECT_EQ(44, log.Errors());
}
