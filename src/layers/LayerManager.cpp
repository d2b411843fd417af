#include "layers/LayerManager.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/base/Console.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/Profiler.h"
#include "foundation/config/VideoSettings.h"
#include "layers/FlashLayer.h"
#include "layers/GuiConsolVisualizer.h"
#include "layers/Layer.h"
#include "layers/flash/FlashControl.h"
#include "platform/movie/MovieGroup.h"

#include <cstring>
#include <filesystem>
#include <system_error>

Layer* LayerManager::_root = nullptr;
Layer* LayerManager::_overlay = nullptr;
FlashLayer* LayerManager::_flashConsole = nullptr;
GuiConsolVisualizer* LayerManager::_consoleVisualizer = nullptr;
Dumper* LayerManager::_dumper = nullptr;
MaterialSystem* LayerManager::_materialSystem = nullptr;
ModuleHandle LayerManager::_flashLib = nullptr;
std::string LayerManager::_baseDirectory;
std::wstring LayerManager::_baseDirectoryW;
Vec2 LayerManager::_screen_scale{1.0f, 1.0f};
float LayerManager::_scale_factor = 1.0f;
float LayerManager::_ca_shift_p = 0.0f;
float LayerManager::_ca_shift = 0.0f;
float LayerManager::_ra_shift_p = 0.0f;
float LayerManager::_ra_shift = 0.0f;
bool LayerManager::_enabled = true;
bool LayerManager::_isFullScreen = false;
bool LayerManager::_isConsoleActive = false;
Vec2 LayerManager::_consolePos{0.0f, -480.0f};
ILayerDrawTarget* LayerManager::_drawTarget = nullptr;
float LayerManager::_frameSeconds = 0.0f;
uint64_t LayerManager::_frame = 0;
std::shared_ptr<movie::MovieGroup> LayerManager::_movies = std::make_shared<movie::MovieGroup>();

namespace {

VideoSettings* Settings()
{
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    return system ? system->GetSettings() : nullptr;
}

Dumper& Log() { return LayerManager::GetDumper() ? *LayerManager::GetDumper() : Dumper::Instance(); }

} // namespace

void LayerManager::Create(Dumper* dumper, MaterialSystem* materialSystem)
{
    Release();
    _movies = std::make_shared<movie::MovieGroup>();
    _dumper = dumper;
    _enabled = true;
    _isFullScreen = false;
    _isConsoleActive = false;
    _consolePos = Vec2(0.0f, -480.0f);
    _materialSystem = materialSystem;
    _root = new Layer("Root");
    _overlay = new Layer("Overlay");
    Log().Dump("t1\n", 3);

    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        Log().Print(DUMP_ERROR, "LayerManager: no working directory (%s)\n", error.message().c_str());
    _baseDirectory = current.string() + "//";
    _baseDirectoryW = string2wstring(_baseDirectory);
    _flashLib = nullptr;

    if (!Settings())
        Log().Print(DUMP_ERROR, "LayerManager: no video settings, the design frame is taken as the screen\n");
    TakeScale();
    CreateConsole();
}

void LayerManager::Release()
{
    ReleaseConsole();
    delete _root;
    delete _overlay;
    _root = nullptr;
    _overlay = nullptr;
}

// Computed once: a later change of resolution keeps the values of the start.
void LayerManager::TakeScale()
{
    const float w = float(GetWidth()), h = float(GetHeight());
    _screen_scale = Vec2(w / DesignWidth, h / DesignHeight);
    _scale_factor = _screen_scale.y > _screen_scale.x ? _screen_scale.x : _screen_scale.y;
    _ca_shift_p = (w - _scale_factor * DesignWidth) * 0.5f;
    _ra_shift_p = w - _scale_factor * DesignWidth;
    _ca_shift = (w - DesignWidth) * 0.5f;
    _ra_shift = w - DesignWidth;
}

int LayerManager::GetWidth()
{
    const VideoSettings* settings = Settings();
    return settings ? settings->ScrWidth : int(DesignWidth);
}

int LayerManager::GetHeight()
{
    const VideoSettings* settings = Settings();
    return settings ? settings->ScrHeight : int(DesignHeight);
}

void LayerManager::Update(float seconds)
{
    NextFrame();
    _frameSeconds = seconds;
    UpdateConsole(seconds);
    if (const VideoSettings* settings = Settings(); settings && settings->Fullscreen != _isFullScreen)
    {
        _isFullScreen = settings->Fullscreen;
        if (_root)
            _root->OnDeviceRestoreChilds();
        if (_overlay)
            _overlay->OnDeviceRestoreChilds();
    }
    if (!_enabled)
        return;
    static const Name Scope("Layers");
    AutoScopeProfile profile(Scope);
    if (_root)
        _root->DrawChilds();
    if (_overlay)
        _overlay->DrawChilds();
    // Drawn visible or not: closed, it lies above the screen.
    if (_flashConsole)
        _flashConsole->Draw();
    if (_root)
        _root->Update();
    if (_overlay)
        _overlay->Update();
}

FlashLayer* LayerManager::CreateFlashLayer(const char* name, const char* movie, const Vec2& pos, const Vec2& size,
                                           float angle, const Color& color)
{
    return new FlashLayer(name, movie, pos, size, angle, color);
}

// The console layer is in neither tree: Update draws it after both.
void LayerManager::CreateConsole()
{
    _flashConsole = new FlashLayer("console", "swf//console.swf", _consolePos * _scale_factor,
                                   Vec2(DesignWidth, 480.0f) * _scale_factor, 0.0f, Color(1.0f, 1.0f, 1.0f, 1.0f));
    _consoleVisualizer = new GuiConsolVisualizer(_flashConsole);
    MainConsole->SetVizualizer(_consoleVisualizer);
}

void LayerManager::ReleaseConsole()
{
    if (_consoleVisualizer)
        MainConsole->SetVizualizer(nullptr);
    delete _consoleVisualizer;
    _consoleVisualizer = nullptr;
    if (_flashConsole)
        _flashConsole->PrepareToRelease();
    delete _flashConsole;
    _flashConsole = nullptr;
}

// Lines and keys go to the console's movie only while it is open.
void LayerManager::AddChar(const char& ch)
{
    if (!_isConsoleActive || !_flashConsole)
        return;
    // The character's byte as a signed value: codes above 127 arrive negative.
    _flashConsole->GetFC()->callFunction(L"AddSymbol", FlashHost::Args(int(static_cast<signed char>(ch))));
}

void LayerManager::ProceedKey(const char& key)
{
    if (!_isConsoleActive || !_flashConsole)
        return;
    FlashHost::FlashControl* console = _flashConsole->GetFC();
    switch (key)
    {
    case 13:
    {
        const std::string line = wstring2string(console->callFunction(L"GetCommand", FlashHost::Args()).getString());
        MainConsole->ExecuteCommand(line);
        if (_consoleVisualizer)
            _consoleVisualizer->SetCurrentConsoleLine("");
        break;
    }
    case 9:
    {
        std::string line = wstring2string(console->callFunction(L"GetCommand", FlashHost::Args()).getString());
        MainConsole->AutoCompleteCMD(line);
        break;
    }
    // The Page Down key pages up and the Page Up key down, as the console movie expects.
    case 34: console->callFunction(L"PageUp", FlashHost::Args()); break;
    case 33: console->callFunction(L"PageDown", FlashHost::Args()); break;
    default: break;
    }
}

// The console slides at 800 design units a second, down while active and up out of sight
// otherwise.
void LayerManager::UpdateConsole(float seconds)
{
    const float step = 800.0f * seconds;
    if (_isConsoleActive)
    {
        if (_consolePos.y < 0.0f)
        {
            _consolePos.y += step;
            if (_consolePos.y > 0.0f)
                _consolePos.y = 0.0f;
        }
    }
    else if (_consolePos.y > -480.0f)
    {
        _consolePos.y -= step;
        if (_consolePos.y <= -480.0f)
        {
            _consolePos.y = -480.0f;
            if (_flashConsole)
                _flashConsole->SetVisible(false);
        }
    }
    if (_flashConsole)
    {
        if (_isConsoleActive)
            _flashConsole->SetVisible(true);
        _flashConsole->SetPos(_consolePos * _scale_factor);
    }
}

wchar_t* LayerManager::ConvertLPCSTRToLPWSTR(const char* text)
{
    if (!text)
        return nullptr;
    const std::wstring wide = string2wstring(text);
    auto* out = new wchar_t[wide.size() + 2]();
    std::memcpy(out, wide.data(), wide.size() * sizeof(wchar_t));
    return out;
}

void LayerManager::RenderQuad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                              const Color& color)
{
    if (_drawTarget)
    {
        _drawTarget->RenderQuad(material, pos, size, uv, angle, color);
        return;
    }
    if (!_materialSystem)
        return;
    Vec2 corners[4] = {uv[0], uv[1], uv[2], uv[3]};
    _materialSystem->RenderQuadAdvanced(material, pos, size, corners[0], corners[1], corners[2], corners[3], angle,
                                        color, 0);
}

void LayerManager::RenderLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    if (_drawTarget)
        _drawTarget->RenderLine(from, to, colorFrom, colorTo);
    else if (_materialSystem)
        _materialSystem->DrawLine2D(from, to, colorFrom, colorTo);
}
