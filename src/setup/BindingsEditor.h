#pragma once

#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"

#include <memory>
#include <string>

class InputSystem;
class SdlInputSource;

// The controls page of the settings program: the bindings of "config.ini" for one device page
// at a time, and the capture of the next button or axis the player moves. The keyboard and the
// mouse reach the input system through the window's events (InjectKey and the like on
// GetInputSource); the joystick is read directly.
class BindingsEditor
{
public:
    enum Page
    {
        PAGE_KEYBOARD,
        PAGE_MOUSE,
        PAGE_JOYSTICK,
    };

    // Loads the bindings from `path`; the dead-zone slider shows the dead zone / 100.
    explicit BindingsEditor(const std::string& path);
    ~BindingsEditor();
    BindingsEditor(const BindingsEditor&) = delete;
    BindingsEditor& operator=(const BindingsEditor&) = delete;

    // Stores the dead zone and writes the bindings back to the file they came from; false
    // (logged) when it cannot be written.
    bool Save();

    bool IsModified() const { return _modified; }
    void ClearModified() { _modified = false; }

    // The joystick dead zone in hundredths, 0..100; taken at Save once the slider was moved.
    int GetDeadZoneSlider() const { return _deadZoneSlider; }
    void SetDeadZoneSlider(int value);

    Page GetPage() const { return _page; }
    // Shows another device's bindings and ends any capture.
    void SetPage(Page page);

    // Whether a joystick is attached; its page binds nothing without one.
    bool HasJoystick() const;

    static const char* GetActionText(int row);
    // The "Key" cell of a row on the current page: the button's or the axis' name, or "".
    std::string GetBindingText(int row) const;

    // The grid cell entered (selected); -1 for none.
    void EnterCell(int row, int column);
    // A click on a cell: one in the "Key" column starts a capture for its row.
    void ClickCell(int row, int column);
    // One tick of the capture timer.
    void CaptureStep();
    bool IsCapturing() const { return _capturing; }

    SdlInputSource& GetInputSource() { return *_source; }
    InputConfig& GetConfig() { return _config; }

private:
    unsigned long Device() const;
    bool HasAxes() const { return _page != PAGE_KEYBOARD; }
    void StartCapture(int row);
    void ClearRow(int row);
    bool CaptureButton();
    bool CaptureAxis();

    std::string _path;
    InputConfig _config;
    SdlInputSource* _source; // owned by the input system
    std::unique_ptr<InputSystem> _input;
    long _baseline[AXIS_COUNT] = {};
    int _curRow = -1;
    int _curCol = -1;
    int _captureRow = -1;
    Page _page = PAGE_KEYBOARD;
    bool _capturing = false;
    int _deadZoneSlider = 0;
    bool _deadZoneMoved = false;
    bool _modified = false;
};
