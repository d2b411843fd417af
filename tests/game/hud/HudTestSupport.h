#pragma once
// The running game the HUD tests share (started once per test program on a hidden window, in a
// scratch copy of the game data whose movies a test may replace), what the HUD painted in a
// frame, and the fixture that resets the HUD's shared state and drives its clock.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "MaterialSystem/draw/ScreenPrims.h"
#include "WorldTestSupport.h"
#include "game/hud/HudPaint.h"
#include "layers/LayerManager.h"

class Material;

// Every quad, line and text the HUD painted, in order; set as the layers' draw target, what the
// layers drew too.
class PaintRecorder : public IHudPaintTarget, public ILayerDrawTarget
{
public:
    struct QuadRecord
    {
        Material* material;
        Vec2 pos, size;
        Vec2 uv[4];
        float angle;
        Color color;
    };
    struct LineRecord
    {
        Vec2 from, to;
        Color colorFrom, colorTo;
    };
    struct TextRecord
    {
        std::string face, text;
        unsigned height, width;
        unsigned long weight;
        Vec4 rect;
        TextAlign align;
        Color color;
        RenderText* record;
    };

    void Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
              const Color& color) override;
    void Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override;
    RenderText* Text(const HudText& text) override;
    void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                    const Color& color) override
    {
        Quad(material, pos, size, uv, angle, color);
    }
    void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) override
    {
        Line(from, to, colorFrom, colorTo);
    }
    void Clear();

    // The quads of one material, in order.
    std::vector<QuadRecord> QuadsOf(Material* material) const;
    // The texts that read exactly so.
    std::vector<TextRecord> TextsReading(const std::string& text) const;

    std::vector<QuadRecord> quads;
    std::vector<LineRecord> lines;
    std::vector<TextRecord> texts;
    // Everything in the order it was painted, by kind: "quad <material>", "line", or
    // "text <face> <height>".
    std::vector<std::string> order;

private:
    std::deque<RenderText> _records;
};

// The game started on a hidden 1024 x 768 window in a scratch working folder: the game data
// linked entry by entry, and the movies file by file so that a test can put its own in place.
class HudGame : public testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

    static bool IsRunning();
    // Writes "swf/<name>.lua" in place of the game's movie until RestoreMovies.
    static void ReplaceMovie(const std::string& name, const std::string& script);
    static void RestoreMovies();
    static const std::filesystem::path& GetFolder();
    // Switches the game to a network game (the current frame "network_level") or back.
    static void SetNetworkGame(bool network);
    // Starts a mission of this level script (with the demo's description and a logic of no
    // triggers) in the game's mission frame, running frames of the test clock until it is loaded.
    // False when it did not load.
    static bool StartMission(FrameClock& clock, const std::string& level);
    // Leaves the mission for the blank frame, which frees its actors.
    static void EndMission(FrameClock& clock);
    // Runs one game frame that takes a screenshot, reads it, and keeps a copy as "<name>.bmp"
    // in the test's build folder for whoever wants to look at it.
    static bool TakeScreenshot(const std::string& name, Screenshot& shot);
};

// A test of the HUD on the running game: the shared state reset, the game's clock ticking only
// when told, and the painting recorded.
class HudTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The next frame lasts this long.
    void Tick(float seconds) { _clock.Tick(seconds); }

    FrameClock _clock;
    PaintRecorder _painted;
    LogWatch _log;
};

// A level entry ("obj_<key>") of a ship of that prototype and fraction "ytg" at a place, named
// after the key, for StartMission.
std::string ShipEntry(const std::string& key, const std::string& prototype, const Vec3& position);

// The Lua of a movie that logs every call of the named functions with their arguments, as
// "<name> call <function> <arg> ...".
std::string RecordingMovie(const std::string& name, const std::vector<std::string>& functions);

class Ship;

// The game's camera at the origin looking along +z, so that a point (0, 0, d) with d > 1 is
// the screen's centre.
void LookAlongZ();
// A ship standing at that world point.
std::unique_ptr<Ship> ShipAt(const Vec3& position);
