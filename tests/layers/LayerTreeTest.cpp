#include "LayerFixture.h"

#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/base/Dumper.h"
#include "layers/Layer.h"
#include "layers/LineLayer.h"
#include "layers/SpriteLayer.h"

#include <cwchar>
#include <filesystem>

namespace {

// Counts what the tree does to it; `x` marks its quad among the recorded ones.
class Probe : public Layer
{
public:
    struct Counts
    {
        int prepared = 0;
        int destroyed = 0;
        int restored = 0;
    };

    Probe(const char* name, float x, Counts* counts) : Layer(name), _x(x), _counts(counts) {}
    ~Probe() override { ++_counts->destroyed; }

    void Draw() override
    {
        const Vec2 uv[4] = {};
        LayerManager::RenderQuad(nullptr, Vec2(_x, 0.0f), Vec2(1.0f, 1.0f), uv, 0.0f, Color());
    }
    void OnDeviceRestore() override { ++_counts->restored; }
    void PrepareToRelease() override { ++_counts->prepared; }

private:
    float _x;
    Counts* _counts;
};

} // namespace

TEST_F(LayerTest, ScaleMapsTheDesignFrameOntoTheScreen)
{
    struct Case
    {
        int width, height;
        float scaleX, scaleY, factor, caShiftScaled, raShiftScaled, caShift, raShift;
    };
    const Case cases[] = {
        {1280, 960, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
        {1920, 1080, 1.5f, 1.125f, 1.125f, 240.0f, 480.0f, 320.0f, 640.0f},
        {1024, 768, 0.8f, 0.8f, 0.8f, 0.0f, 0.0f, -128.0f, -256.0f},
        {1280, 1024, 1.0f, 1024.0f / 960.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        CreateLayers(c.width, c.height);
        EXPECT_FLOAT_EQ(LayerManager::GetScreenScale().x, c.scaleX);
        EXPECT_FLOAT_EQ(LayerManager::GetScreenScale().y, c.scaleY);
        EXPECT_FLOAT_EQ(LayerManager::GetScaleFactor(), c.factor);
        EXPECT_FLOAT_EQ(LayerManager::GetCAShift(true), c.caShiftScaled);
        EXPECT_FLOAT_EQ(LayerManager::GetRAShift(true), c.raShiftScaled);
        EXPECT_FLOAT_EQ(LayerManager::GetCAShift(false), c.caShift);
        EXPECT_FLOAT_EQ(LayerManager::GetRAShift(false), c.raShift);
        EXPECT_EQ(LayerManager::GetWidth(), c.width);
        EXPECT_EQ(LayerManager::GetHeight(), c.height);
    }
    // Taken once: a later mode change shows in the size but not in the scale.
    _video->ScrWidth = 800;
    EXPECT_EQ(LayerManager::GetWidth(), 800);
    EXPECT_FLOAT_EQ(LayerManager::GetScaleFactor(), 1.0f);
}

TEST_F(LayerTest, CreateMakesBothRootsAndTheBaseDirectory)
{
    LayerManager::_enabled = false;
    CreateLayers(1280, 960);
    EXPECT_TRUE(LayerManager::_enabled) << "every Create starts enabled";
    ASSERT_NE(LayerManager::GetRoot(), nullptr);
    ASSERT_NE(LayerManager::GetOverlay(), nullptr);
    EXPECT_STREQ(LayerManager::GetRoot()->GetName(), "Root");
    EXPECT_STREQ(LayerManager::GetOverlay()->GetName(), "Overlay");
    EXPECT_EQ(LayerManager::GetFlashLib(), nullptr);
    const std::string expected = std::filesystem::current_path().string() + "//";
    EXPECT_EQ(LayerManager::GetBaseDirectory(), expected);
    EXPECT_EQ(LayerManager::GetBaseDirectoryW(), string2wstring(expected));
}

TEST_F(LayerTest, HiddenLayersHideTheirWholeSubtree)
{
    CreateLayers(1280, 960);
    Probe::Counts counts;
    Layer* root = LayerManager::GetRoot();
    auto* a = new Probe("a", 1, &counts);
    a->AddChild(new Probe("a1", 2, &counts));
    auto* b = new Probe("b", 3, &counts);
    auto* b1 = new Probe("b1", 4, &counts);
    b->AddChild(b1);
    b->AddChild(new Probe("b2", 5, &counts));
    root->AddChild(a);
    root->AddChild(b);
    LayerManager::GetOverlay()->AddChild(new Probe("c", 6, &counts));

    a->SetVisible(false);
    b1->SetVisible(false);
    LayerManager::Update(0.0f);
    EXPECT_EQ(_drawn.QuadXs(), (std::vector<float>{3, 5, 6})) << "a visible child of a hidden parent stays hidden";

    _drawn.Clear();
    a->SetVisible(true);
    LayerManager::Update(0.0f);
    EXPECT_EQ(_drawn.QuadXs(), (std::vector<float>{1, 2, 3, 5, 6})) << "root before overlay, parents first";
    LayerManager::Release(); // the probes count into this test's frame
}

TEST_F(LayerTest, RemovingReleasesAndDestroysByKindAndKeepsTheOrder)
{
    CreateLayers(1280, 960);
    Probe::Counts counts;
    Layer* root = LayerManager::GetRoot();
    auto* first = new Probe("first", 1, &counts);
    auto* middle = new Probe("middle", 2, &counts);
    auto* grandchild = new Probe("grandchild", 4, &counts);
    middle->AddChild(grandchild);
    root->AddChild(first);
    root->AddChild(middle);
    root->AddChild(new Probe("last", 3, &counts));

    root->RemoveChild(grandchild); // not a direct child: nothing happens
    EXPECT_EQ(counts.destroyed, 0);
    root->RemoveChild(middle);
    EXPECT_EQ(counts.prepared, 2) << "the removed layer and its child let go of what they hold";
    EXPECT_EQ(counts.destroyed, 2) << "destroyed as what they are";
    EXPECT_EQ(root->GetChildsCount(true), 2);
    LayerManager::Update(0.0f);
    EXPECT_EQ(_drawn.QuadXs(), (std::vector<float>{1, 3}));

    root->RemoveChild(first);
    root->RemoveChild(first); // a pointer no longer in the list
    EXPECT_EQ(counts.destroyed, 3);
    LayerManager::Release();
    EXPECT_EQ(counts.prepared, 4);
    EXPECT_EQ(counts.destroyed, 4) << "the roots destroy what is left by its kind too";
    EXPECT_EQ(LayerManager::GetRoot(), nullptr);
}

TEST_F(LayerTest, ChildrenAreFoundByNameAndCountedThroughTheTree)
{
    Probe::Counts counts;
    Layer parent("parent");
    auto* earlier = new Probe("twin", 1, &counts);
    auto* later = new Probe("twin", 2, &counts);
    later->AddChild(new Probe("deep", 3, &counts));
    parent.AddChild(earlier);
    parent.AddChild(later);
    EXPECT_EQ(parent.GetChildByName("twin"), earlier);
    EXPECT_EQ(parent.GetChildByName("deep"), nullptr) << "direct children only";
    EXPECT_EQ(parent.GetChildByName("Twin"), nullptr);
    EXPECT_EQ(parent.GetChildsCount(true), 3);
    EXPECT_EQ(parent.GetChildsCount(false), 3) << "the flag changes nothing";
}

TEST_F(LayerTest, SpritesAndLinesDrawWhatTheyHold)
{
    InitDevice();
    CreateLayers(320, 240);
    Material* material = _system->GetMaterialMgr()->CreateMaterial("sprite");
    auto* sprite = new SpriteLayer("sprite", material, Vec2(10, 20), Vec2(100, 50), 30.0f, Color(1, 0, 0, 0.5f));
    sprite->SetScale(Vec2(2.0f, 0.5f));
    sprite->SetPosAutoScale(true);
    sprite->SetUV(Vec2(0, 0.5f), Vec2(0, 0), Vec2(0.25f, 0.5f), Vec2(0.25f, 0));
    LayerManager::GetRoot()->AddChild(sprite);
    LayerManager::GetRoot()->AddChild(new SpriteLayer("empty", nullptr));
    LayerManager::GetOverlay()->AddChild(new LineLayer(Vec2(1, 2), Vec2(3, 4), Color(1, 0, 0, 1), Color(0, 0, 1, 1)));
    LayerManager::Update(0.0f);

    ASSERT_EQ(_drawn.quads.size(), 1u) << "a sprite without material draws nothing";
    const DrawRecorder::Quad& quad = _drawn.quads[0];
    EXPECT_EQ(quad.material, material);
    EXPECT_FLOAT_EQ(quad.pos.x, 10.0f) << "sprites never scale their position";
    EXPECT_FLOAT_EQ(quad.pos.y, 20.0f);
    EXPECT_FLOAT_EQ(quad.size.x, 200.0f);
    EXPECT_FLOAT_EQ(quad.size.y, 25.0f);
    EXPECT_FLOAT_EQ(quad.uv[2].x, 0.25f);
    EXPECT_FLOAT_EQ(quad.uv[0].y, 0.5f);
    EXPECT_FLOAT_EQ(quad.angle, 30.0f);
    EXPECT_EQ(quad.color, Color(1, 0, 0, 0.5f));
    ASSERT_EQ(_drawn.lines.size(), 1u);
    EXPECT_FLOAT_EQ(_drawn.lines[0].to.y, 4.0f);
    EXPECT_EQ(_drawn.lines[0].colorTo, Color(0, 0, 1, 1));
}

TEST_F(LayerTest, DisabledLayersDrawNothingButTheConsoleSlidesAndModeChangesRestore)
{
    CreateLayers(1280, 960);
    Probe::Counts counts;
    auto* hidden = new Probe("hidden", 1, &counts);
    hidden->SetVisible(false);
    LayerManager::GetRoot()->AddChild(hidden);
    LayerManager::GetOverlay()->AddChild(new Probe("shown", 2, &counts));
    LayerManager::_enabled = false;
    LayerManager::_isConsoleActive = true;

    std::vector<float> opening;
    for (int step = 0; step < 7; ++step)
    {
        LayerManager::Update(0.1f);
        opening.push_back(LayerManager::_consolePos.y);
    }
    EXPECT_EQ(opening, (std::vector<float>{-400, -320, -240, -160, -80, 0, 0}));
    LayerManager::_isConsoleActive = false;
    std::vector<float> closing;
    for (int step = 0; step < 6; ++step)
    {
        LayerManager::Update(0.1f);
        closing.push_back(LayerManager::_consolePos.y);
    }
    EXPECT_EQ(closing, (std::vector<float>{-80, -160, -240, -320, -400, -480}));

    _video->Fullscreen = true;
    LayerManager::Update(0.0f);
    EXPECT_EQ(counts.restored, 2) << "both trees, hidden layers too";
    LayerManager::Update(0.0f);
    EXPECT_EQ(counts.restored, 2) << "only on a change";
    EXPECT_TRUE(_drawn.quads.empty());
    LayerManager::Release(); // the probes count into this test's frame
}

TEST(LayerManagerText, NarrowTextBecomesAnOwnedWideCopy)
{
    EXPECT_EQ(LayerManager::ConvertLPCSTRToLPWSTR(nullptr), nullptr);
    struct Case
    {
        const char* text;
        const wchar_t* wide;
    };
    const Case cases[] = {{"", L""},
                          {"swf//console.swf", L"swf//console.swf"},
                          {"Gr\xC3\xB6\xC3\x9F"
                           "e",
                           L"Gr\u00F6\u00DFe"}};
    for (const Case& c : cases)
    {
        wchar_t* wide = LayerManager::ConvertLPCSTRToLPWSTR(c.text);
        ASSERT_NE(wide, nullptr);
        EXPECT_STREQ(wide, c.wide);
        EXPECT_EQ(wide[std::wcslen(c.wide) + 1], L'\0') << "two terminators";
        delete[] wide;
    }
}
