// Tracks: their points come out in index order, a level file cannot overfill them, and a track
// registered with the scene draws its path and boxes for the game's camera.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "CoreTestSupport.h"
#include "MaterialSystem/MaterialSystem.h"
#include "StartedMission.h"
#include "game/core/game/Game.h"
#include "game/world/environment/Track.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"

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

namespace {

// The game's scene drawn for the game's camera at the origin looking along +z.
class TrackOnScreenTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!GetStartedGame() || !GetStartedGame()->Started())
            GTEST_SKIP() << "no display";
        Camera* camera = game.GetCamera();
        camera->SetPosition(Vec3(0, 0, 0));
        camera->SetOrientation(Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1));
        camera->ForceUpdate();
    }

    // The next frame of the whole game as its screenshot shows it: what was collected before it,
    // helper lines and triangles included, drawn over the scene.
    Screenshot Shot()
    {
        std::filesystem::remove_all("screenshots");
        game.GetRender()->TakeScreenShot();
        game.Proceed();
        Screenshot shot;
        EXPECT_TRUE(shot.Load("screenshots/screen0000.bmp"));
        width = shot.width;
        height = shot.height;
        return shot;
    }
    // Pixels of the box (clipped to the screen) that the later shot shows clearly greener. The faces'
    // tint adds about 30 of green over black, a little less or more with the rasterizer's rounding.
    int Greener(const Screenshot& shot, const Screenshot& before, int x0, int y0, int x1, int y1) const
    {
        int count = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, height); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, width); ++x)
            {
                const uint32_t a = before.At(x, y), b = shot.At(x, y);
                const int dr = int(b >> 16 & 0xFF) - int(a >> 16 & 0xFF);
                const int dg = int(b >> 8 & 0xFF) - int(a >> 8 & 0xFF);
                const int db = int(b & 0xFF) - int(a & 0xFF);
                count += dg > 15 && dr < 10 && db < 10;
            }
        return count;
    }
    Vec3 OnScreen(const Vec3& world) const
    {
        Vec3 out;
        EXPECT_TRUE(game.GetCamera()->WorldToScreen(world, game.GetRender(), out));
        return out;
    }

    int width = 0, height = 0;
};

} // namespace

// Registered with the scene, a track draws, for the game's camera on the stage layer only, the
// line between its points and a translucent green box of 20 units with opaque edges about each.
TEST_F(TrackOnScreenTest, ARegisteredTrackDrawsItsPathAndABoxAboutEachPoint)
{
    Track track;
    track.AddPoint(Vec3(-60, 0, 300), 0);
    track.AddPoint(Vec3(60, 0, 300), 1);
    track.PostInitialize();
    RenderScene* scene = game.GetRenderScene();
    game.Proceed();
    const Screenshot before = Shot();

    // Asked for another layer or another camera, it draws nothing.
    Camera* other = scene->CreateCamera();
    track.OnRender(SL_BACKGROUND, game.GetCamera(), game.GetRender());
    track.OnRender(SL_STAGE, other, game.GetRender());
    const Screenshot elsewhere = Shot();
    scene->DestroyNode(other);
    EXPECT_EQ(Greener(elsewhere, before, 0, 0, width, height), 0);

    scene->AddUserObject(&track);
    game.Proceed();
    const Screenshot drawn = Shot();
    scene->RemoveUserObject(&track);
    game.Proceed();
    // Each box fills the square its corners span; above and below it nothing is green.
    struct Box
    {
        int x0, y0, x1, y1;
    };
    Box boxes[2];
    for (int i = 0; i < 2; ++i)
    {
        const Vec3 point = track.GetPoint(unsigned(i)).position;
        Box& box = boxes[i];
        box = {width, height, 0, 0};
        for (int k = 0; k < 8; ++k)
        {
            const Vec3 at = OnScreen(point + Vec3(k & 1 ? 10 : -10, k & 2 ? 10 : -10, k & 4 ? 10 : -10));
            box = {std::min(box.x0, int(at.x)), std::min(box.y0, int(at.y)), std::max(box.x1, int(at.x) + 1),
                   std::max(box.y1, int(at.y) + 1)};
        }
        ASSERT_GT(box.x1 - box.x0, 10);
        const int inside = Greener(drawn, before, box.x0 + 2, box.y0 + 2, box.x1 - 2, box.y1 - 2);
        EXPECT_GT(inside, (box.x1 - box.x0 - 4) * (box.y1 - box.y0 - 4) * 3 / 4) << i;
        // The faces are a tint, far darker than the opaque edges.
        int edge = 0;
        for (int y = box.y0; y <= box.y1; ++y)
            for (int x = box.x0; x <= box.x1; ++x)
                edge = std::max(edge, int(drawn.At(x, y) >> 8 & 0xFF));
        const int face = int(drawn.At((box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2 - 5) >> 8 & 0xFF);
        EXPECT_LT(face * 2, edge) << i;
        EXPECT_EQ(Greener(drawn, before, box.x0 - 40, box.y0 - 40, box.x1 + 40, box.y0 - 2), 0) << "above box " << i;
        EXPECT_EQ(Greener(drawn, before, box.x0 - 40, box.y1 + 2, box.x1 + 40, box.y1 + 40), 0) << "below box " << i;
    }
    // The path joins the boxes along the middle row and goes no further.
    const int middle = int(OnScreen(track.GetPoint(0).position).y);
    const int between = boxes[1].x0 - boxes[0].x1;
    ASSERT_GT(between, 20);
    EXPECT_GT(Greener(drawn, before, boxes[0].x1 + 2, middle - 1, boxes[1].x0 - 2, middle + 2), between / 2);
    EXPECT_EQ(Greener(drawn, before, boxes[1].x1 + 2, middle - 1, width, middle + 2), 0) << "past the last point";
    EXPECT_EQ(Greener(drawn, before, 0, middle - 1, boxes[0].x0 - 2, middle + 2), 0) << "before the first point";
    EXPECT_EQ(Greener(drawn, before, 0, 0, width, boxes[0].y0 - 2), 0) << "nothing else";
}
