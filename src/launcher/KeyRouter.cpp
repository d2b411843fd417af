#include "launcher/KeyRouter.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/config/VideoSettings.h"
#include "game/core/frames/GameFrameManager.h"
#include "launcher/MissionControls.h"
#include "layers/LayerManager.h"
#include "platform/input/ScanCodes.h"
#include "platform/input/VirtualKeys.h"
#include "platform/window/WindowEvents.h"
#include "services/input/InputSystem.h"

namespace {

enum VirtualKey : int
{
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_H = 'H',
    VK_I = 'I',
    VK_Y = 'Y',
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F12 = 0x7B,
};

// The keys whose press also types a control character.
bool TypesControlCharacter(int virtualKey)
{
    return virtualKey == VK_BACK || virtualKey == VK_TAB || virtualKey == VK_RETURN || virtualKey == VK_ESCAPE;
}

} // namespace

KeyRouter::KeyRouter(GameFrameManager* frames, MaterialSystem* render, VideoSettings* video, InputSystem* input,
                     IMissionControls* mission)
    : _frames(frames), _render(render), _video(video), _input(input), _mission(mission)
{}

bool KeyRouter::IsMissionLoaded() const { return _mission && _mission->IsLoaded(); }

bool KeyRouter::IsConsoleKey(int virtualKey) { return virtualKey == GameFrameManager::ConsoleKey; }

bool KeyRouter::OnKeyDown(const WindowEvent& event)
{
    const int virtualKey = SdlKeyToVirtualKey(event.keycode);
    bool running = true;
    if (event.modifiers & WindowEvent::Alt)
    {
        running = OnAltKey(virtualKey);
    }
    else if (virtualKey != 0 && _frames)
    {
        OnKey(virtualKey);
        if (TypesControlCharacter(virtualKey))
            OnChar(char(virtualKey));
    }
    // Decided after the key has opened or closed the console. A repeat is no new press: the key
    // is held, and its release belongs to whoever had the press.
    if (_input && !event.repeat && (IsConsoleKey(virtualKey) || LayerManager::IsConsoleActive()))
    {
        if (const int scanCode = SdlScancodeToScanCode(event.scancode))
            _input->IgnoreKey(static_cast<unsigned long>(scanCode));
    }
    return running;
}

bool KeyRouter::OnAltKey(int virtualKey)
{
    if (virtualKey == VK_F4)
        return false;
    if (virtualKey == VK_RETURN && _video && _render)
    {
        _video->Fullscreen = !_video->Fullscreen;
        _render->RestartSystem();
    }
    return true;
}

void KeyRouter::OnKey(int virtualKey)
{
    const char key = char(virtualKey & 0xFF);
    _frames->ProceedKey(key);
    if (IsConsoleKey(virtualKey) || LayerManager::IsConsoleActive())
    {
        // The frame manager has given the key to the console; a screenshot may still be taken.
        if (virtualKey == VK_F12 && _render)
            _render->TakeScreenShot();
        return;
    }
    switch (virtualKey)
    {
    case VK_RETURN: _frames->funcSelectApply(); break;
    case VK_ESCAPE: _frames->funcSelectDecline(); break;
    case VK_LEFT: _frames->funcSelectLeft(); break;
    case VK_UP: _frames->funcSelectUp(); break;
    case VK_RIGHT: _frames->funcSelectRight(); break;
    case VK_DOWN: _frames->funcSelectDown(); break;
    case VK_F5: _frames->ReloadCurrentFrame(); break;
    case VK_F12:
        if (_render)
            _render->TakeScreenShot();
        break;
    default: OnMissionKey(virtualKey); break;
    }
}

void KeyRouter::OnMissionKey(int virtualKey)
{
    if (!IsMissionLoaded())
        return;
    switch (virtualKey)
    {
    case VK_END: _mission->AddPitchCoeff(-0.1f); break;
    case VK_HOME: _mission->AddPitchCoeff(0.1f); break;
    case VK_INSERT: _mission->AddYawCoeff(0.1f); break;
    case VK_DELETE: _mission->AddYawCoeff(-0.1f); break;
    case VK_H: LayerManager::_enabled = !LayerManager::_enabled; break;
    case VK_I: _mission->ToggleDebugMode(); break;
    case VK_Y:
        _cameraDust = !_cameraDust;
        _mission->EnableCameraDust(_cameraDust);
        break;
    default: break;
    }
}

void KeyRouter::OnText(const WindowEvent& event)
{
    for (const char* c = event.text; *c && c < event.text + sizeof(event.text); ++c)
        OnChar(*c);
}

void KeyRouter::OnChar(char ch)
{
    if (IsMissionLoaded() && !LayerManager::IsConsoleActive())
    {
        switch (ch)
        {
        case ',': _mission->AddInertia(-0.1f); break;
        case '.': _mission->AddInertia(0.1f); break;
        case 'v': _mission->SetFlightModel(0); break;
        case 'n': _mission->SetFlightModel(1); break;
        case 'm': _mission->SetFlightModel(2); break;
        case 'b': _mission->SetFlightModel(3); break;
        default: break;
        }
    }
    if (_frames)
        _frames->AddChar(ch);
}
