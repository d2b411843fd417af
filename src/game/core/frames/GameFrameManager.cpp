#include "game/core/frames/GameFrameManager.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrame.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

#include <cstring>

namespace {

// Frame times summed in floats miss the fade's ends by a rounding error (five steps of 0.1 from
// 0.5 leave 1.5e-8); within this they count as reached.
constexpr float FadeEpsilon = 1e-5f;

} // namespace

GameFrameManager::GameFrameManager(GameEngine* engine, InputSystem* input) : _input(input), _engine(engine) {}

GameFrameManager::~GameFrameManager() { ShutDown(); }

void GameFrameManager::Initialize()
{
    Layer* overlay = LayerManager::GetOverlay();
    if (!overlay || _fadeLayer)
        return;
    if (MaterialSystem* render = LayerManager::GetMaterialSystem(); render && render->GetMaterialMgr())
        _fadeMaterial = render->GetMaterialMgr()->CreateMaterialFromFile("fade.mat");
    const Vec2 size{float(LayerManager::GetWidth()), float(LayerManager::GetHeight())};
    _fadeLayer = new SpriteLayer("back", _fadeMaterial, Vec2(0.0f, 0.0f), size, 0.0f, Color(1.0f, 1.0f, 1.0f, 0.5f));
    overlay->AddChild(_fadeLayer);
    _fadeLayer->SetVisible(false);
}

void GameFrameManager::ShutDown()
{
    // The current frame is shut down while everything it built on still exists.
    if (_current)
        _current->ShutDown();
    _current = _previous = _next = nullptr;
    _frames.clear();
    _status = FADE_NONE;
    _fadeTime = 0.0f;
    if (_fadeLayer)
    {
        if (Layer* overlay = LayerManager::GetOverlay())
            overlay->RemoveChild(_fadeLayer);
        _fadeLayer = nullptr;
    }
}

void GameFrameManager::AddFrame(GameFrame* frame) { _frames.push_back(frame); }

GameFrame* GameFrameManager::FindFrameByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (GameFrame* frame : _frames)
    {
        if (std::strcmp(frame->GetName(), name) == 0)
            return frame;
    }
    return nullptr;
}

void GameFrameManager::SetActive(const char* name)
{
    GameFrame* frame = FindFrameByName(name);
    if (name && !frame)
    {
        Dumper::Instance().Print(DUMP_WARNING, "GameFrameManager: no frame \"%s\"; the current frame stays\n", name);
        return;
    }
    SetActive(frame);
}

void GameFrameManager::SetActive(GameFrame* frame)
{
    if (!_current)
    {
        SwitchFrame(frame);
        return;
    }
    _next = frame;
    FadeIn();
}

void GameFrameManager::SwitchFrame(GameFrame* frame)
{
    if (_current)
        _current->ShutDown();
    _previous = _current;
    _current = frame;
    Dumper::Instance().Print(DUMP_INFO, "GameFrameManager: frame \"%s\" is current\n",
                             _current ? _current->GetName() : "");
    if (_current)
        _current->Initialize();
    FadeOut();
}

void GameFrameManager::FadeIn()
{
    _status = FADE_OUT;
    _fadeTime = 0.0f;
}

void GameFrameManager::FadeOut()
{
    _status = FADE_IN;
    _fadeTime = FadeTime;
}

void GameFrameManager::ReloadCurrentFrame() { ReloadFrame(_current); }

void GameFrameManager::ReloadFrame(GameFrame* frame)
{
    if (!frame)
        return;
    frame->ShutDown();
    frame->Initialize();
}

void GameFrameManager::ReloadFrameByName(const char* name) { ReloadFrame(FindFrameByName(name)); }

void GameFrameManager::Proceed(float seconds, float realSeconds)
{
    if (_current)
    {
        if (_input)
        {
            funcMousePitch(_input->GetAxis(INPUT_MOUSE, "Pitch", true));
            funcMouseYaw(_input->GetAxis(INPUT_MOUSE, "Yaw", true));
            funcMouseRoll(_input->GetAxis(INPUT_MOUSE, "Roll", true));
        }
        _current->Proceed(seconds);
    }
    FadeProceed(realSeconds);
}

void GameFrameManager::FadeProceed(float seconds)
{
    if (_status == FADE_OUT)
    {
        _fadeTime += seconds;
        if (_fadeTime >= FadeTime - FadeEpsilon)
        {
            _fadeTime = FadeTime;
            SwitchFrame(_next);
        }
    }
    if (_status == FADE_IN)
    {
        _fadeTime -= seconds;
        if (_fadeTime <= FadeEpsilon)
        {
            _fadeTime = 0.0f;
            _status = FADE_NONE;
        }
    }
    if (!_fadeLayer)
        return;
    if (_status != FADE_NONE)
    {
        _fadeLayer->SetVisible(true);
        _fadeLayer->SetColor(Color(1.0f, 1.0f, 1.0f, 2.0f * _fadeTime));
    }
    else
    {
        _fadeLayer->SetVisible(false);
    }
}

GameFrame* GameFrameManager::NavigationTarget() const
{
    return LayerManager::IsConsoleActive() ? nullptr : MouseTarget();
}

GameFrame* GameFrameManager::MouseTarget() const { return _status == FADE_NONE ? _current : nullptr; }

void GameFrameManager::funcSelectUp()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectUp();
}

void GameFrameManager::funcSelectDown()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectDown();
}

void GameFrameManager::funcSelectLeft()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectLeft();
}

void GameFrameManager::funcSelectRight()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectRight();
}

void GameFrameManager::funcSelectApply()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectApply();
}

void GameFrameManager::funcSelectDecline()
{
    if (GameFrame* frame = NavigationTarget())
        frame->EventSelectDecline();
}

void GameFrameManager::funcMousePitch(long value)
{
    if (GameFrame* frame = MouseTarget())
        frame->EventMousePitch(float(value));
}

void GameFrameManager::funcMouseYaw(long value)
{
    if (GameFrame* frame = MouseTarget())
        frame->EventMouseYaw(float(value));
}

void GameFrameManager::funcMouseRoll(long value)
{
    if (GameFrame* frame = MouseTarget())
        frame->EventMouseRoll(float(value));
}

void GameFrameManager::ProceedKey(const char& key)
{
    _consoleKeyTyping = static_cast<unsigned char>(key) == ConsoleKey;
    if (_consoleKeyTyping)
    {
        LayerManager::ToggleConsole();
        return;
    }
    if (_current && !LayerManager::IsConsoleActive())
        _current->ProceedKey(key);
    LayerManager::ProceedKey(key);
}

void GameFrameManager::AddChar(const char& ch)
{
    const bool consoleKeyCharacter = _consoleKeyTyping && (ch == '`' || ch == '~');
    _consoleKeyTyping = false;
    if (consoleKeyCharacter)
        return;
    if (_current && !LayerManager::IsConsoleActive())
        _current->AddChar(ch);
    LayerManager::AddChar(ch);
}
