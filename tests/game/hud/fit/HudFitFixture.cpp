#include "HudFitFixture.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/draw/ScreenPrims.h"
#include "MaterialSystem/materials/Material.h"
#include "foundation/base/Random.h"
#include "foundation/base/Timer.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTargetInfo.h"
#include "game/hud/HudPaint.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "gui/FrameCatalog.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"
#include "platform/window/Window.h"

namespace {

namespace fs = std::filesystem;

// Where the test program runs, before each test moves to its own data folder.
const fs::path BuildFolder = fs::current_path();

// The frames drawn once the mission is paused: the game's time stands still, the clock that the
// fades and the layers run on moves a millisecond.
constexpr float StillFrame = 0.001f;

std::string MaterialName(Material* material)
{
    std::string name = material ? material->GetInfo().name : "";
    // "gui//icons//icon2.mat" and "gui/icons/icon2.mat" are one file.
    std::string single;
    for (char c : name)
    {
        if (!(c == '/' && !single.empty() && single.back() == '/'))
            single += c == '\\' ? '/' : c;
    }
    return single;
}

// Takes the drawing of the screen layers and of the HUD in place of the render device: records
// every item, and hands on to the device only those the current element passes (all of them
// while it has none). The statistics panel draws its rows last, each starting with its plate.
class HudDrawing : public ILayerDrawTarget, public IHudPaintTarget
{
public:
    HudDrawing()
    {
        LayerManager::SetDrawTarget(this);
        HudPaint::SetTarget(this);
    }
    ~HudDrawing() override
    {
        LayerManager::SetDrawTarget(nullptr);
        HudPaint::SetTarget(nullptr);
    }

    void StartFrame(const std::function<bool(const HudItem&)>* element)
    {
        _element = element;
        _items.clear();
        _texts.clear();
        _row = -1;
    }
    const std::vector<HudItem>& Items() const { return _items; }

    void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                    const Color& color) override
    {
        if (Keep(Item(HudItem::QUAD, true, material, pos, size, angle)))
            DeviceQuad(material, pos, size, uv, angle, color);
    }
    void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override
    {
        if (Keep(Item(HudItem::LINE, true, nullptr, from, to, 0.0f)))
            game.GetRender()->DrawLine2D(from, to, colorFrom, colorTo);
    }
    void Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
              const Color& color) override
    {
        if (Keep(Item(HudItem::QUAD, false, material, pos, size, angle)))
            DeviceQuad(material, pos, size, uv, angle, color);
    }
    void Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override
    {
        if (Keep(Item(HudItem::LINE, false, nullptr, from, to, 0.0f)))
            game.GetRender()->DrawLine2D(from, to, colorFrom, colorTo);
    }
    RenderText* Text(const HudText& text) override
    {
        HudItem item = Item(HudItem::TEXT, false, nullptr, Vec2(text.rect.x, text.rect.y),
                            Vec2(text.rect.z - text.rect.x, text.rect.w - text.rect.y), 0.0f);
        item.text = text.text ? text.text : "";
        item.rect = text.rect;
        item.lineHeight = text.height;
        if (Keep(std::move(item)))
            return game.GetRender()->DrawD3DText(text.face, text.height, text.width, text.weight, text.italic,
                                                 text.text, text.rect, text.align, text.wordBreak, text.color);
        return &_texts.emplace_back(); // clipped and dropped
    }

private:
    HudItem Item(HudItem::Kind kind, bool layer, Material* material, const Vec2& pos, const Vec2& size, float angle)
    {
        HudItem item;
        item.kind = kind;
        item.layer = layer;
        item.material = material;
        item.materialName = MaterialName(material);
        item.pos = pos;
        item.size = size;
        item.angle = angle;
        return item;
    }
    // Records the item, numbering the statistics rows as their plates come; whether the device
    // is to draw it.
    bool Keep(HudItem item)
    {
        const std::string& name = item.materialName;
        if (!item.layer && name.rfind("gui_hud_stats_", 0) == 0 && name.find("_light") == std::string::npos)
            ++_row;
        if (!item.layer)
            item.statsRow = _row;
        _items.push_back(std::move(item));
        return !_element || (*_element)(_items.back());
    }
    static void DeviceQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                           const Color& color)
    {
        Vec2 corners[4] = {uv[0], uv[1], uv[2], uv[3]};
        game.GetRender()->RenderQuadAdvanced(material, pos, size, corners[0], corners[1], corners[2], corners[3], angle,
                                             color, 0);
    }

    const std::function<bool(const HudItem&)>* _element = nullptr;
    std::vector<HudItem> _items;
    std::deque<RenderText> _texts;
    int _row = -1;
};

HudDrawing* Drawing = nullptr;

} // namespace

HudOnScreenTest::HudOnScreenTest() = default;
HudOnScreenTest::~HudOnScreenTest() = default;

void HudOnScreenTest::SetUp()
{
    const HudScreen screen = GetParam();
    // The copied settings, at the size and in the language of the test.
    {
        std::ifstream in("config.cfg", std::ios::binary);
        std::string config((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        const std::pair<std::string, std::string> values[] = {
            {"Video.ScrWidth = ", std::to_string(screen.width) + ".00;"},
            {"Video.ScrHeight = ", std::to_string(screen.height) + ".00;"},
            {"Game.Language = ", std::string("'") + screen.language + "';"},
        };
        for (const auto& [key, value] : values)
        {
            const size_t at = config.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            config.replace(at + key.size(), config.find('\n', at) - at - key.size(), value);
        }
        std::ofstream("config.cfg", std::ios::binary) << config;
    }
    Window::Style style;
    style.hidden = true;
    std::string error;
    _window = Window::Create("hud fit test", screen.width, screen.height, style, &error);
    if (!_window)
        GTEST_SKIP() << "no display: " << error;
    FlashHost::FlashControl::setDefaultClock([this] { return _movieSeconds; });
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
    _clock = std::make_unique<FrameClock>();
    EngineSeed(12);
    Drawing = new HudDrawing;
}

void HudOnScreenTest::TearDown()
{
    if (_window)
    {
        EndMission();
        _clock.reset();
        game.ShutDown();
    }
    delete Drawing;
    Drawing = nullptr;
    _window.reset();
    FlashHost::FlashControl::setDefaultClock(nullptr);
}

void HudOnScreenTest::Frame(float seconds)
{
    _clock->Tick(seconds);
    _movieSeconds += seconds;
    Drawing->StartFrame(nullptr);
    game.Proceed();
}

GuiShipHud* HudOnScreenTest::Hud() const
{
    const SingleLevel* level = game.GetLevel();
    const Player* player = level ? level->GetPlayer() : nullptr;
    return player ? player->GetHUD() : nullptr;
}

void HudOnScreenTest::EndMission()
{
    GamePaused = 0;
    game.GetGameFrameManager()->SetActive("empty");
    for (int frame = 0; frame < 10 && game.GetLevel()->IsExist(); ++frame)
        Frame(0.1f);
}

bool HudOnScreenTest::Load(const std::string& level, const std::string& extension)
{
    _bare.clear();
    SingleLevel* mission = game.GetLevel();
    mission->LoadLevel((level + extension).c_str(), (level + "_desc" + extension).c_str(),
                       (level + "_logic" + extension).c_str());
    for (int frame = 0; frame < 200 && !(mission->IsExist() && mission->IsLoaded() && Hud()); ++frame)
        Frame(0.1f);
    return mission->IsExist() && mission->IsLoaded() && Hud();
}

void HudOnScreenTest::Pause()
{
    // The mission stands still from here on, as the pause key leaves it.
    GamePaused = 1;
    for (int frame = 0; frame < 2; ++frame)
    {
        _clock->Tick(StillFrame);
        Drawing->StartFrame(nullptr);
        game.Proceed();
    }
}

bool HudOnScreenTest::StartMission(const std::string& level, const std::string& extension)
{
    if (!Load(level, extension))
        return false;
    for (int frame = 0; frame < 10; ++frame)
        Frame(0.1f);
    Pause();
    return true;
}

bool HudOnScreenTest::FlyMission(const char* level)
{
    SingleLevel* mission = game.GetLevel();
    if (!Load(level, ".lvl"))
        return false;
    // The opening, then a target picked as the T key does, kept until its scan has settled on
    // the panel and its flash is over.
    for (int frame = 0; frame < 10; ++frame)
        Frame(0.1f);
    Player* player = mission->GetPlayer();
    float settled = 0.0f;
    for (int frame = 0; frame < 120 && settled < 0.6f; ++frame)
    {
        if (!player->GetShip()->GetTarget())
            player->PickBestVisibleTarget();
        Frame(0.1f);
        settled = GuiShipHudTargetInfo::IsTargetScanDone() ? settled + 0.1f : 0.0f;
    }
    Pause();
    return settled >= 0.6f;
}

std::vector<HudItem> HudOnScreenTest::RecordFrame()
{
    _clock->Tick(StillFrame);
    Drawing->StartFrame(nullptr);
    game.Proceed();
    return Drawing->Items();
}

bool HudOnScreenTest::Shoot(std::vector<uint32_t>& pixels, int& width, int& height)
{
    const fs::path folder = _data.GetPath() / "screenshots";
    fs::remove_all(folder);
    game.GetRender()->TakeScreenShot();
    _clock->Tick(StillFrame);
    game.Proceed();
    Screenshot shot;
    if (!shot.Load(folder / "screen0000.bmp"))
    {
        ADD_FAILURE() << "no screenshot";
        return false;
    }
    width = shot.width;
    height = shot.height;
    pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = shot.At(x, y);
    return true;
}

HudMask HudOnScreenTest::Mask(const std::function<bool(const HudItem&)>& element, int lit)
{
    HudMask mask;
    const std::function<bool(const HudItem&)> none = [](const HudItem&) { return false; };
    if (_bare.empty())
    {
        Drawing->StartFrame(&none);
        const bool taken = Shoot(_bare, mask.width, mask.height);
        Drawing->StartFrame(nullptr);
        if (!taken)
            return mask;
    }
    std::vector<uint32_t> shot;
    Drawing->StartFrame(&element);
    const bool taken = Shoot(shot, mask.width, mask.height);
    Drawing->StartFrame(nullptr);
    if (!taken || shot.size() != _bare.size())
        return mask;
    mask.on.assign(shot.size(), 0);
    mask.x0 = mask.width;
    mask.y0 = mask.height;
    for (int y = 0; y < mask.height; ++y)
    {
        for (int x = 0; x < mask.width; ++x)
        {
            const uint32_t a = shot[size_t(y) * mask.width + x], b = _bare[size_t(y) * mask.width + x];
            bool brighter = false;
            for (int shift : {0, 8, 16})
                brighter |= int(a >> shift & 0xFF) - int(b >> shift & 0xFF) > lit;
            if (!brighter)
                continue;
            mask.on[size_t(y) * mask.width + x] = 1;
            mask.x0 = std::min(mask.x0, x);
            mask.y0 = std::min(mask.y0, y);
            mask.x1 = std::max(mask.x1, x + 1);
            mask.y1 = std::max(mask.y1, y + 1);
        }
    }
    return mask;
}

void HudOnScreenTest::KeepScreenshot(const std::string& name)
{
    std::vector<uint32_t> shot;
    int width = 0, height = 0;
    Drawing->StartFrame(nullptr);
    if (Shoot(shot, width, height))
        fs::copy_file(_data.GetPath() / "screenshots" / "screen0000.bmp", BuildFolder / name,
                      fs::copy_options::overwrite_existing);
}
