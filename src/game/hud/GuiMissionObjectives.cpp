#include "game/hud/GuiMissionObjectives.h"

#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

const Color White(1.0f, 1.0f, 1.0f, 1.0f);
const Color TextColor(0.0f, 1.0f, 1.0f, 1.0f);

bool SameText(const MissionObjective& objective, const char* text)
{
    return std::strcmp(objective.text, text ? text : "") == 0;
}

} // namespace

void GuiMissionObjectives::Load()
{
    _backMaterial = GuiGame::LoadMaterial("gui_mission_objectives//mo_back.mat");
    _fieldMaterial = GuiGame::LoadMaterial("gui_mission_objectives//mo_text_field.mat");
}

void GuiMissionObjectives::Layout(MissionObjective& objective, size_t index) const
{
    objective.origin = Vec2(25.0f, 25.0f) - Vec2(12.0f, 35.0f);
    objective.textPos = objective.origin + Vec2(50.0f, 46.0f * float(index) + 60.0f);
    objective.timerPos = objective.textPos + Vec2(25.0f, 27.0f);
    objective.tickerPos = objective.origin + Vec2(260.0f, 227.0f);
    // "%d. %s", the text cut to what is left.
    const int prefix = std::snprintf(objective.title, sizeof objective.title, "%d. ", int(index + 1));
    Gui::CopyText(objective.title + prefix, sizeof objective.title - size_t(prefix), objective.text);
}

void GuiMissionObjectives::AddObjective(const char* text, float lifeTime)
{
    auto objective = std::make_unique<MissionObjective>();
    Gui::CopyText(objective->text, sizeof objective->text, text);
    objective->lifeTime = lifeTime;
    Layout(*objective, _objectives.size());
    _objectives.push_back(std::move(objective));
}

void GuiMissionObjectives::RemoveObjective(const char* text)
{
    for (auto it = _objectives.begin(); it != _objectives.end(); ++it)
    {
        if (SameText(**it, text))
        {
            _objectives.erase(it);
            for (size_t i = 0; i < _objectives.size(); ++i)
                Layout(*_objectives[i], i);
            return;
        }
    }
}

void GuiMissionObjectives::SetObjectiveLifeTime(const char* text, float value)
{
    for (const std::unique_ptr<MissionObjective>& objective : _objectives)
    {
        if (SameText(*objective, text))
            objective->lifeTime = value;
    }
}

void GuiMissionObjectives::Proceed()
{
    if (!_visible)
        return;
    const float dt = Hud::Seconds();
    HudPaint::Quad(_backMaterial, Vec2(-195.0f, -226.0f), Vec2(512.0f, 512.0f), 0.0f, White);
    HudPaint::Quad(_fieldMaterial, Vec2(36.0f, 172.0f), Vec2(256.0f, 64.0f), 0.0f, White);
    for (size_t i = 0; i < _objectives.size(); ++i)
    {
        MissionObjective& objective = *_objectives[i];
        // One after another: each starts once the one before has finished.
        if (objective.typed == MissionObjective::NotStarted &&
            (i == 0 || _objectives[i - 1]->typed == MissionObjective::Finished))
            objective.typed = 0.0f;
        Draw(objective, dt);
    }
}

void GuiMissionObjectives::Draw(MissionObjective& objective, float dt)
{
    if (objective.typed == MissionObjective::NotStarted)
        return;
    if (objective.lifeTime != MissionObjective::NoLifeTime)
        std::snprintf(objective.timerText, sizeof objective.timerText, "%d sec remained", int(objective.lifeTime));
    if (objective.typed != MissionObjective::Finished)
    {
        objective.typed += dt * 10.0f;
        if (objective.typed > float(std::strlen(objective.text)))
            objective.typed = MissionObjective::Finished;
    }
    const size_t titleLength = std::strlen(objective.title);
    size_t shown = titleLength;
    if (objective.typed != MissionObjective::Finished && objective.typed < float(titleLength))
        shown = size_t(objective.typed);
    std::memcpy(objective.shown, objective.title, shown);
    objective.shown[shown] = '\0';

    auto box = [](const Vec2& at, float w, float h) { return Vec4(at.x, at.y, at.x + w, at.y + h); };
    HudPaint::Text({"Arial", 15, 7, 700, false, objective.shown, box(objective.textPos, 207.0f, 64.0f), TA_TOP_LEFT,
                    true, TextColor});
    if (objective.lifeTime > 0.0f)
        HudPaint::Text({"Arial", 15, 7, 400, false, objective.timerText, box(objective.timerPos, 321.0f, 34.0f),
                        TA_TOP_LEFT, true, TextColor});
    if (objective.tickerPos.x > -280.0f)
    {
        objective.tickerPos.x -= dt * 100.0f;
        HudPaint::ClipText(HudPaint::Text({"Arial", 15, 7, 700, false, objective.text,
                                           box(objective.tickerPos, 321.0f, 34.0f), TA_TOP_LEFT, true, TextColor}),
                           Vec4(73.0f, 250.0f, 73.0f + 206.0f, 250.0f + 20.0f));
    }
}
