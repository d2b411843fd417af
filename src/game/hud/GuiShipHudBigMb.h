#pragma once
// The HUD's store of a large mission message: a title, a text and the number of lines it needs.
// The level logic fills it; the HUD loads its materials but shows nothing of it.
#include <cstddef>

class Material;

class GuiShipHudBigMb
{
public:
    static constexpr size_t TitleSize = 128; // titles of up to 127 bytes
    static constexpr size_t TextSize = 2048; // texts of up to 2047 bytes
    static constexpr int MaterialCount = 5;

    GuiShipHudBigMb() = default;
    GuiShipHudBigMb(const GuiShipHudBigMb&) = delete;
    GuiShipHudBigMb& operator=(const GuiShipHudBigMb&) = delete;

    void Load();
    // With lines -1 the box works out the lines the title and the text need. Longer texts are cut.
    void SetMessage(const char* title, const char* text, int lines);
    // The lines a title and a text of these lengths need: the larger of the two needs.
    static int LinesFor(size_t titleLength, size_t textLength);

    int GetLineCount() const { return _lineCount; }
    const char* GetTitle() const { return _title; }
    const char* GetText() const { return _text; }
    bool IsClosed() const { return _closed; }

private:
    // "gui_hud_bigmb_1.mat" .. "gui_hud_bigmb_4.mat", "gui_hud_bigmb_c1.mat".
    Material* _materials[MaterialCount] = {};
    Material* _cornerMaterial = nullptr;
    int _lineCount = 0;
    char _title[TitleSize] = {};
    char _text[TextSize] = {};
    bool _closed = false;
};
