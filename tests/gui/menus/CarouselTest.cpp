// The slot carousels: how the slots glide between two selections, and what the face and map
// carousels show on the way.
#include "MenuFixture.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "game/core/game/Game.h"
#include "gui/menus/CarouselSlide.h"
#include "gui/menus/GuiMultiplayerFaces.h"
#include "gui/menus/GuiMultiplayerMissions.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiWidget.h"

#include <cmath>

TEST(CarouselSlide, SlotsGlideByTheDistanceLeft)
{
    struct Case
    {
        int from, to;
        float seconds; // of gliding so far
        int slot;
        Vec2 offset;
        float scale;
    };
    const Case cases[] = {
        // Half-way through a step to the right: the centre shrinks by a tenth on its way left.
        {0, 1, 0.125f, 3, {100.0f, 22.5f}, 0.9f},
        {0, 1, 0.125f, 0, {100.0f, -500.0f}, 0.6f},
        {0, 1, 0.125f, 1, {50.0f, -22.5f}, 1.25f},
        {0, 1, 0.125f, 4, {82.5f, 25.5f}, 0.835f},
        {0, 1, 0.125f, 6, {0.0f, 0.0f}, 0.0f},
        // A step to the left, a quarter of the way in.
        {1, 0, 0.0625f, 3, {-120.75f, 33.75f}, 0.85f},
        {1, 0, 0.0625f, 0, {0.0f, 0.0f}, 0.0f},
        {1, 0, 0.0625f, 5, {-115.5f, -33.75f}, 1.375f},
        {1, 0, 0.0625f, 6, {-112.5f, -750.0f}, 0.8f},
        // Two items away, just started: the full offsets and more.
        {0, 2, 0.0f, 2, {322.0f, -90.0f}, 1.36f},
        // At rest every slot is at its base place with scale 1.
        {0, 1, 0.25f, 3, {0.0f, 0.0f}, 1.0f},
        {2, 2, 0.0f, 0, {0.0f, 0.0f}, 1.0f},
    };
    for (const Case& test : cases)
    {
        CarouselSlide slide;
        slide.Jump(test.from);
        slide.Select(test.to);
        slide.Step(test.seconds);
        Vec2 offsets[CarouselSlide::SlotCount];
        float scales[CarouselSlide::SlotCount];
        slide.Layout(offsets, scales);
        const std::string what = std::to_string(test.from) + " to " + std::to_string(test.to) + ", slot " +
                                 std::to_string(test.slot) + " after " + std::to_string(test.seconds);
        EXPECT_NEAR(offsets[test.slot].x, test.offset.x, 1e-3f) << what;
        EXPECT_NEAR(offsets[test.slot].y, test.offset.y, 1e-3f) << what;
        EXPECT_NEAR(scales[test.slot], test.scale, 1e-4f) << what;
    }
}

TEST(CarouselSlide, AStepTakesAQuarterSecondAtAnyFrameRateAndNeverOvershoots)
{
    for (float frame : {1.0f / 15, 1.0f / 30, 1.0f / 16, 0.3f})
    {
        CarouselSlide slide;
        slide.Select(1);
        int frames = 0;
        float alphaAtHalf = -1.0f;
        while (!slide.CanScroll() && frames < 1000)
        {
            slide.Step(frame);
            ++frames;
            EXPECT_LE(slide.GetPosition(), 1.0f);
            if (std::fabs(frames * frame - 0.125f) < 1e-4f)
                alphaAtHalf = slide.GetShiftAlpha();
        }
        EXPECT_EQ(frames, int(std::ceil(0.25f / frame - 1e-4f))) << frame;
        EXPECT_FLOAT_EQ(slide.GetShiftAlpha(), 1.0f);
        if (alphaAtHalf >= 0)
        {
            EXPECT_NEAR(alphaAtHalf, 0.5f, 1e-4f);
        }
    }
    CarouselSlide back;
    back.Jump(3);
    back.Select(1);
    back.Step(0.3f);
    EXPECT_NEAR(back.GetPosition(), 1.8f, 1e-5f);
    back.Step(0.3f);
    EXPECT_FLOAT_EQ(back.GetPosition(), 1.0f);
}

class CarouselTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Open("empty"));
    }

    // A frame of the game with the carousel updated in it.
    void Step(GuiSlotCarousel& carousel, int frames = 1)
    {
        for (int i = 0; i < frames; ++i)
        {
            Frames();
            carousel.Update();
        }
    }

    static bool Shown(const Layer* layer) { return layer && layer->GetVisible(); }
    // The slots whose movies show.
    static std::string ShownSlots(const GuiSlotCarousel& carousel)
    {
        std::string shown;
        for (int slot = 0; slot < GuiSlotCarousel::SlotCount; ++slot)
            shown += Shown(carousel.GetSlotLayer(slot)) ? char('0' + slot) : '.';
        return shown;
    }
};

TEST_F(CarouselTest, MapsGlideOneStepAtATimeAndNameTheirSlots)
{
    GuiMultiplayerMissions maps;
    Step(maps);
    EXPECT_EQ(ShownSlots(maps), ".......") << "an empty carousel shows nothing";
    EXPECT_FALSE(Shown(maps.GetFrameLayer()));
    maps.EventRight();
    EXPECT_STREQ(maps.GetSelectedName(), "");

    maps.AddMission("Ice field");
    Step(maps);
    EXPECT_EQ(ShownSlots(maps), "...3...") << "one item sits in the centre";
    EXPECT_TRUE(Shown(maps.GetFrameLayer()));
    maps.EventRight();
    maps.EventLeft();
    Step(maps);
    EXPECT_STREQ(maps.GetSelectedName(), "Ice field");
    EXPECT_TRUE(maps.CanScroll());

    maps.AddMission("Red giant");
    maps.AddMission(std::string(300, 'x').c_str());
    Step(maps);
    EXPECT_EQ(ShownSlots(maps), "...345.");
    EXPECT_STREQ(maps.GetSlotName(4), "Red giant");
    EXPECT_EQ(std::string(maps.GetSlotName(5)), std::string(255, 'x')) << "names are cut at 255 bytes";

    maps.EventRight();
    maps.EventRight(); // ignored while the first glide is under way
    Step(maps, 4);     // 0.133 s of the 0.25
    EXPECT_FALSE(maps.CanScroll());
    EXPECT_LT(maps.GetShiftAlpha(), 0.6f);
    EXPECT_NEAR(maps.GetFrameLayer()->GetColor().a, maps.GetShiftAlpha(), 1e-6f);
    EXPECT_STREQ(maps.GetSelectedName(), "Red giant");
    const Vec2 base(508.0f, 713.0f); // the centre slot
    const Vec2 expected = Gui::ScreenPos(base + maps.GetSlotOffset(3), GA_CENTER);
    EXPECT_NEAR(maps.GetSlotLayer(3)->GetPos().x, expected.x, 1e-3f);
    EXPECT_NEAR(maps.GetSlotLayer(3)->GetPos().y, expected.y, 1e-3f);
    EXPECT_GT(maps.GetSlotOffset(3).x, 0.0f) << "the centre moves toward its new place on the left";
    Step(maps, 4);
    EXPECT_TRUE(maps.CanScroll());
    EXPECT_FLOAT_EQ(maps.GetShiftAlpha(), 1.0f);
    EXPECT_EQ(ShownSlots(maps), "..234..");
    EXPECT_STREQ(maps.GetSlotName(2), "Ice field");
    EXPECT_STREQ(maps.GetSlotName(3), "Red giant");

    maps.EventRight();
    Step(maps, 8);
    maps.EventRight(); // at the last item
    Step(maps);
    EXPECT_TRUE(maps.CanScroll());
    EXPECT_EQ(ShownSlots(maps), ".123...");

    maps.SetVisible(false);
    Step(maps);
    EXPECT_EQ(ShownSlots(maps), ".......") << "an invisible carousel shows nothing";
    maps.SetVisible(true);
    Step(maps);
    EXPECT_EQ(ShownSlots(maps), ".123...") << "and keeps its selection";

    maps.SetCurSelectedWithOutAnim(0);
    Step(maps);
    EXPECT_TRUE(maps.CanScroll());
    EXPECT_EQ(ShownSlots(maps), "...345.");
}

TEST_F(CarouselTest, FacesShowTheSelectedPictureOnTheBoardAndEachSlotsPicture)
{
    MaterialMgr* materials = game.GetRender()->GetMaterialMgr();
    Material* big = materials->CreateMaterialFromFile("faces//player.mat");
    Material* small = materials->CreateMaterialFromFile("angar//default_ship.mat");
    GuiMultiplayerFaces faces;
    Step(faces);
    EXPECT_FALSE(Shown(faces.GetBoard()));
    EXPECT_FALSE(Shown(faces.GetBigPicture()));

    faces.AddFace("First", big, small);
    faces.AddFace("Second", small, big);
    faces.UpdateText();
    Step(faces);
    EXPECT_EQ(ShownSlots(faces), "...34..");
    EXPECT_TRUE(Shown(faces.GetBoard()));
    EXPECT_EQ(faces.GetBigPicture()->GetMaterial(), big);
    EXPECT_EQ(faces.GetSlotSprite(4)->GetMaterial(), big);
    EXPECT_FALSE(Shown(faces.GetSlotSprite(2)));
    // The picture lies in its slot at the slot's own offset.
    const Vec2 at = Gui::ScreenPos(Vec2(715.0f + 49.0f, 741.0f + 39.0f), GA_CENTER);
    EXPECT_NEAR(faces.GetSlotSprite(4)->GetPos().x, at.x, 1e-3f);
    EXPECT_NEAR(faces.GetSlotSprite(4)->GetPos().y, at.y, 1e-3f);

    faces.EventRight();
    Step(faces, 2);
    EXPECT_EQ(faces.GetSelected(), 1);
    EXPECT_LT(faces.GetSlotSprite(3)->GetColor().a, 1.0f) << "the pictures fade while they glide";
    Step(faces, 7);
    EXPECT_EQ(faces.GetBigPicture()->GetMaterial(), small);
    EXPECT_EQ(ShownSlots(faces), "..23...");
    EXPECT_FLOAT_EQ(faces.GetBoard()->GetColor().a, 1.0f);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
