#pragma once

#include <cstddef>

class Material;

// The credits panel: "credits.txt" of the working folder scrolling up through a band of the
// screen, 100 pixels a second. Apply or Decline close it.
class GuiMainMenuCredits
{
public:
    static constexpr size_t BufferSize = 4096;
    static constexpr int ClosedState = 3;

    GuiMainMenuCredits() = default;
    ~GuiMainMenuCredits() { ShutDown(); }
    GuiMainMenuCredits(const GuiMainMenuCredits&) = delete;
    GuiMainMenuCredits& operator=(const GuiMainMenuCredits&) = delete;

    // Reads the text; a missing file is made empty.
    void Initialize();
    void ShutDown() {}
    void Proceed(float seconds, float blend);
    bool Closed() const { return _state == ClosedState; }
    void SetCurState(int state);
    const char* GetText() const { return _text; }
    float GetScroll() const { return _scroll; }

    void EventSelectUp() {}
    void EventSelectDown() {}
    void EventSelectLeft() {}
    void EventSelectRight() {}
    void EventSelectApply() { _state = ClosedState; }
    void EventSelectDecline() { _state = ClosedState; }

private:
    Material* _black = nullptr;
    // Always terminated: at most BufferSize - 1 bytes of the file, carriage returns left out.
    char _text[BufferSize] = {};
    float _scroll = 0.0f;
    int _state = 0;
};
