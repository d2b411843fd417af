#include "setup/BindingsEditor.h"

#include "platform/input/SdlInputSource.h"
#include "services/input/InputSystem.h"
#include "setup/SetupActions.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

// Keyboard scan codes the capture reacts to.
constexpr unsigned long kEscape = 1;
constexpr unsigned long kEnter = 28;
constexpr unsigned long kDelete = 211;

constexpr unsigned long kDeviceCodes[] = {INPUT_KEYBOARD, INPUT_MOUSE, INPUT_JOYSTICK};

// How far an axis must move from where it was when the capture began.
constexpr long kMouseThreshold = 100;
constexpr long kJoystickThreshold = 800;

bool ValidRow(int row) { return row >= 0 && row < SetupActionsCount; }

} // namespace

BindingsEditor::BindingsEditor(const std::string& path) : _path(path)
{
    auto source = std::make_unique<SdlInputSource>(WindowHandle{});
    _source = source.get();
    _input = std::make_unique<InputSystem>(std::move(source));
    _input->SetConfig(&_config);
    _config.LoadConfig(_path.c_str());
    _deadZoneSlider = std::clamp(_config.GetDeadZone() / 100, 0, 100);
}

BindingsEditor::~BindingsEditor() = default;

bool BindingsEditor::Save()
{
    // The slider shows the dead zone rounded down: an untouched slider leaves it as read.
    if (_deadZoneMoved)
        _config.SetDeadZone(_deadZoneSlider * 100);
    return _config.SaveConfig(_path.c_str());
}

void BindingsEditor::SetDeadZoneSlider(int value)
{
    _deadZoneSlider = std::clamp(value, 0, 100);
    _deadZoneMoved = true;
    _modified = true;
}

void BindingsEditor::SetPage(Page page)
{
    _page = page;
    _capturing = false;
}

bool BindingsEditor::HasJoystick() const { return _input->IsJoystick(); }

unsigned long BindingsEditor::Device() const { return kDeviceCodes[_page]; }

const char* BindingsEditor::GetActionText(int row) { return ValidRow(row) ? SetupActions[row].action : ""; }

std::string BindingsEditor::GetBindingText(int row) const
{
    if (!ValidRow(row))
        return std::string();
    const unsigned long device = Device();
    const SetupAction& entry = SetupActions[row];
    char name[256] = {};
    const unsigned long button = _config.GetButtonEvent(device, entry.action);
    if (button != INPUT_NO_CODE)
    {
        if (device != INPUT_JOYSTICK && _input->GetObjectInfo(device, button, name, sizeof(name)))
            return name;
        return "Joy" + std::to_string((button & ~device) + 1);
    }
    unsigned long axis = 0;
    if (entry.group && HasAxes() && _config.GetAxisEvent(device, entry.group, axis) &&
        _input->GetAxisName(device, axis, name, sizeof(name)))
        return name;
    return std::string();
}

void BindingsEditor::EnterCell(int row, int column)
{
    _curRow = row;
    _curCol = column;
}

void BindingsEditor::ClickCell(int row, int column)
{
    if (column == 1 && ValidRow(row))
        StartCapture(row);
}

void BindingsEditor::StartCapture(int row)
{
    // What arrived before the capture began, such as the click that began it, is no choice.
    _input->ProcessInputData();
    for (uint32_t axis = 0; axis < AXIS_COUNT; ++axis)
        _baseline[axis] = _input->GetAxis(axis, false);
    _curRow = row;
    _captureRow = row;
    _capturing = true;
}

void BindingsEditor::ClearRow(int row)
{
    const unsigned long device = Device();
    if (_config.DeleteButtonEvent(device, SetupActions[row].action))
        _modified = true;
    unsigned long axis = 0;
    const char* group = SetupActions[row].group;
    if (group && HasAxes() && _config.GetAxisEvent(device, group, axis))
    {
        _config.DeleteAxisEvent(device, group);
        _modified = true;
    }
    _capturing = false;
}

void BindingsEditor::CaptureStep()
{
    // Input is read once a tick, so a key tapped between two ticks is still seen.
    _input->ProcessInputData();
    const bool onKeyCell = _curCol == 1 && ValidRow(_curRow);
    if (_input->IsKeyEvent(INPUT_KEYBOARD, kEnter, BUTTON_PRESSED))
    {
        if (onKeyCell)
            StartCapture(_curRow);
        return;
    }
    if (_input->IsKeyEvent(INPUT_KEYBOARD, kDelete, BUTTON_PRESSED))
    {
        if (onKeyCell)
            ClearRow(_curRow);
        return;
    }
    if (!_capturing)
        return;
    if (_input->IsKeyEvent(INPUT_KEYBOARD, kEscape, BUTTON_PRESSED))
    {
        _capturing = false;
        return;
    }
    if (!CaptureButton())
        CaptureAxis();
}

bool BindingsEditor::CaptureButton()
{
    const unsigned long device = Device();
    unsigned long button = _input->GetLastBtn(device);
    if (button == INPUT_NO_CODE)
        return false;
    button &= ~device;
    // Enter starts a capture; it never becomes a binding.
    if (device == INPUT_KEYBOARD && button == kEnter)
        return false;

    // The button moves here from any other action, whichever way that binding was stored.
    char other[256];
    while (_config.IsUsed(device, other, sizeof(other), button) ||
           _config.IsUsed(device, other, sizeof(other), device | button))
        _config.DeleteButtonEvent(device, other);
    const SetupAction& row = SetupActions[_captureRow];
    if (row.group && HasAxes())
        _config.DeleteAxisEvent(device, row.group);
    _config.SetButtonEvent(device, row.action, button);
    _modified = true;
    _capturing = false;
    return true;
}

bool BindingsEditor::CaptureAxis()
{
    const char* group = SetupActions[_captureRow].group;
    if (!group || !HasAxes())
        return false;
    const unsigned long device = Device();
    const bool mouse = _page == PAGE_MOUSE;
    const uint32_t first = mouse ? AXIS_MOUSE_X : AXIS_JOY_X;
    const uint32_t last = mouse ? AXIS_MOUSE_W : AXIS_JOY_RZ;
    const long threshold = mouse ? kMouseThreshold : kJoystickThreshold;
    for (uint32_t axis = first; axis <= last; ++axis)
    {
        if (std::labs(_baseline[axis] - _input->GetAxis(axis, false)) <= threshold)
            continue;
        // The axis leaves any other group, and both rows of this group lose their buttons.
        char other[256];
        while (_config.IsAxisUsed(device, other, sizeof(other), axis))
            _config.DeleteAxisEvent(device, other);
        for (const SetupAction& row : SetupActions)
        {
            if (row.group && std::string_view(row.group) == group)
                _config.DeleteButtonEvent(device, row.action);
        }
        _config.SetAxisEvent(device, group, axis);
        _modified = true;
        _capturing = false;
        return true;
    }
    return false;
}
