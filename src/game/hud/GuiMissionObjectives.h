#pragma once
// A numbered list of mission objectives in the upper left corner, typed out one after another
// letter by letter, each with an optional "%d sec remained" line and a copy of its text that
// slides out to the left. The HUD makes and loads one and keeps it across missions; the panel
// draws only while a caller adds objectives and proceeds it.
#include "foundation/math/Vec2.h"

#include <cstddef>
#include <memory>
#include <vector>

class Material;

struct MissionObjective
{
    static constexpr size_t TextSize = 256; // texts of up to 255 bytes
    static constexpr float NoLifeTime = -1.0f;
    static constexpr float NotStarted = -1.0f;
    static constexpr float Finished = -2.0f;

    char text[TextSize] = {};
    float lifeTime = NoLifeTime;
    float typed = NotStarted; // characters typed so far
    Vec2 origin{0.0f, 0.0f}, textPos{0.0f, 0.0f}, timerPos{0.0f, 0.0f}, tickerPos{0.0f, 0.0f}; // pixels
    char title[TextSize] = {}; // "%d. %s" of its number and text, cut to fit
    char shown[TextSize] = {}; // the typed part of the title
    char timerText[TextSize] = {};
};

class GuiMissionObjectives
{
public:
    GuiMissionObjectives() = default;
    // The records are the panel's own: a copy would share them.
    GuiMissionObjectives(const GuiMissionObjectives&) = delete;
    GuiMissionObjectives& operator=(const GuiMissionObjectives&) = delete;

    void Load();
    void Unload() {}
    void SetVisible(bool visible) { _visible = visible; }
    // Appends an objective numbered after the others; texts longer than 255 bytes are cut.
    void AddObjective(const char* text, float lifeTime);
    // Removes the first objective of that text and numbers and lays out the rest anew.
    void RemoveObjective(const char* text);
    // Every objective of that text; nothing counts it down.
    void SetObjectiveLifeTime(const char* text, float value);
    void Proceed();

    size_t GetObjectiveCount() const { return _objectives.size(); }
    const MissionObjective& GetObjective(size_t index) const { return *_objectives[index]; }

private:
    void Layout(MissionObjective& objective, size_t index) const;
    void Draw(MissionObjective& objective, float dt);

    Material* _backMaterial = nullptr;
    Material* _fieldMaterial = nullptr;
    std::vector<std::unique_ptr<MissionObjective>> _objectives; // in display order
    bool _visible = true;
};
