#pragma once

#include "foundation/base/Handles.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"

#include <cstdint>
#include <memory>
#include <string>

class Dumper;
class FlashLayer;
class GuiConsolVisualizer;
class Layer;
class Material;
class MaterialSystem;
namespace movie {
class MovieGroup;
}

// Where layers put their quads and lines: the render device's screen primitives, unless a
// target is set in their place (a recorder, in tests).
class ILayerDrawTarget
{
public:
    virtual ~ILayerDrawTarget() = default;
    // uv: corners bottom-left, top-left, bottom-right, top-right.
    virtual void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                            const Color& color) = 0;
    virtual void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) = 0;
};

// The screen layers as a whole, made only of statics: the two roots "Root" (screens and HUD)
// and "Overlay" (drawn after it), the console overlay, the design-space scale that maps the
// 1280 x 960 design frame onto the screen, and the base directory movie paths start from.
// The engine calls Create once at start, Update once a frame, and Release before the render
// device goes.
class LayerManager
{
public:
    static constexpr float DesignWidth = 1280.0f;
    static constexpr float DesignHeight = 960.0f;

    LayerManager() = delete;

    // Makes the roots, takes the base directory and the scale from the video settings, and
    // creates the console. Layers of an earlier Create are destroyed.
    static void Create(Dumper* dumper, MaterialSystem* materialSystem);
    // Destroys the roots with every layer in them, and the console.
    static void Release();
    // Slides the console, restores the trees after a full-screen switch, and draws the roots
    // and then the console while enabled.
    static void Update(float seconds);

    // A Flash layer playing the movie; the caller adds it to a parent.
    static FlashLayer* CreateFlashLayer(const char* name, const char* movie, const Vec2& pos, const Vec2& size,
                                        float angle, const Color& color);
    // The seconds Update was last given: the clock's frame time, which runs on while the game is
    // paused.
    static float GetFrameSeconds() { return _frameSeconds; }
    // The game's frame: a number Update steps once a frame, by which movies count their share of
    // the frame's time. What plays movies without drawing the layers (a bench) steps it itself.
    static uint64_t GetFrame() { return _frame; }
    static void NextFrame() { ++_frame; }
    // Every movie of the layers, together: one share of the frame's time and one memory bound on
    // top of each movie's own. Create starts a new group for the movies made from then on.
    static const std::shared_ptr<movie::MovieGroup>& GetMovies() { return _movies; }

    // The console overlay: "swf//console.swf" sliding down from above the screen while active,
    // showing the game console's lines; typed characters and Enter, Tab, Page Up and Page Down
    // go to it while it is open.
    static void CreateConsole();
    static void UpdateConsole(float seconds);
    static bool IsConsoleActive() { return _isConsoleActive; }
    // Opens the console, or closes it.
    static void ToggleConsole() { _isConsoleActive = !_isConsoleActive; }
    static void AddChar(const char& ch);
    // Virtual-key codes: 13 runs the input line, 9 completes it, 34 and 33 page.
    static void ProceedKey(const char& key);

    static Layer* GetRoot() { return _root; }
    static Layer* GetOverlay() { return _overlay; }
    static Dumper* GetDumper() { return _dumper; }
    static MaterialSystem* GetMaterialSystem() { return _materialSystem; }
    // Always null: movies need no library.
    static ModuleHandle& GetFlashLib() { return _flashLib; }
    // The working directory in the "//" form ("/games/vantrel//").
    static const char* GetBaseDirectory() { return _baseDirectory.c_str(); }
    static const wchar_t* GetBaseDirectoryW() { return _baseDirectoryW.c_str(); }
    static const Vec2& GetScreenScale() { return _screen_scale; }
    static float GetScaleFactor() { return _scale_factor; }
    // The shift that centres (or right-aligns) the design frame: scaled, or of the unscaled frame.
    static float GetCAShift(bool scaled) { return scaled ? _ca_shift_p : _ca_shift; }
    static float GetRAShift(bool scaled) { return scaled ? _ra_shift_p : _ra_shift; }
    // The current screen size of the video settings.
    static int GetWidth();
    static int GetHeight();

    // A new wide copy of UTF-8 text, two terminators long, owned by the caller (delete[]);
    // null for null.
    static wchar_t* ConvertLPCSTRToLPWSTR(const char* text);

    // What layers draw with.
    static void SetDrawTarget(ILayerDrawTarget* target) { _drawTarget = target; }
    static void RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                           const Color& color);
    static void RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo);

    static Layer* _root;
    static Layer* _overlay;
    static FlashLayer* _flashConsole;
    static GuiConsolVisualizer* _consoleVisualizer;
    static Dumper* _dumper;
    static MaterialSystem* _materialSystem;
    static ModuleHandle _flashLib;
    static std::string _baseDirectory;
    static std::wstring _baseDirectoryW;
    static Vec2 _screen_scale;
    static float _scale_factor;
    static float _ca_shift_p, _ca_shift;
    static float _ra_shift_p, _ra_shift;
    static bool _enabled;
    static bool _isFullScreen;
    static bool _isConsoleActive;
    static Vec2 _consolePos;

private:
    static void TakeScale();
    static void ReleaseConsole();

    static ILayerDrawTarget* _drawTarget;
    static float _frameSeconds;
    static uint64_t _frame;
    static std::shared_ptr<movie::MovieGroup> _movies;
};
