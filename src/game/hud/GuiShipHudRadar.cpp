#include "game/hud/GuiShipHudRadar.h"

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/ships/Ship.h"
#include "game/hud/HudPaint.h"
#include "game/hud/HudServices.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

Matrix GuiShipHudRadar::_lastOrientation = Matrix::Ident();
bool GuiShipHudRadar::_hasLastOrientation = false;
float GuiShipHudRadar::_heading = 0.0f;
float GuiShipHudRadar::_logCounter = 0.0f;

namespace {

const char* const ModelFiles[GuiShipHudRadar::ModelCount] = {"radar1.mod", "radar2.mod", "radar3.mod", "radar4.mod"};
const float ModelScales[GuiShipHudRadar::ModelCount] = {10.0f, 0.01f, 0.01f, 0.01f};
const Color LogColor(0.0f, 0.844f, 0.98f, 0.5f);
// The disc seen from above and in front: its depth is squeezed, heights stand up from it.
constexpr float DiscDepth = 0.45f;
constexpr float DiscHeight = 0.6f;
constexpr float Pi = 3.141592f;

// The camera's view matrix without its translation.
Matrix ViewRotation()
{
    Matrix view = Matrix::Ident();
    if (const Camera* camera = Hud::GetCamera())
        view = camera->GetViewMatrix();
    view.Pos() = Vec3(0.0f, 0.0f, 0.0f);
    return view;
}

bool IsLevelRunning()
{
    const SingleLevel* level = game.GetLevel();
    return level && level->IsExist();
}

} // namespace

GuiShipHudRadar::GuiShipHudRadar()
{
    if (!Hud::HasRoot())
        return;
    _radarLayer = new Layer("RadarLayer");
    Hud::Root()->AddChild(_radarLayer);
    _contourLayer =
        Gui::AddFlash(_radarLayer, "RadarContur", "swf//radar.swf", Gui::ScreenPos(Vec2(545.0f, 742.0f), GA_CENTER),
                      Gui::ScreenSize(Vec2(188.0f, 188.0f)));
    Hud::AnswerTexts(_contourLayer);
    _radarLayer->SetVisible(true);
}

GuiShipHudRadar::~GuiShipHudRadar()
{
    Unload();
    Hud::RemoveFromRoot(_radarLayer); // with the movie in it
}

void GuiShipHudRadar::ResetShared()
{
    _lastOrientation = Matrix::Ident();
    _hasLastOrientation = false;
    _heading = 0.0f;
    _logCounter = 0.0f;
}

void GuiShipHudRadar::Load()
{
    if (_loaded)
        return;
    _radarMaterial = GuiGame::LoadMaterial("gui_hud_radar.mat");
    _blipMaterial = GuiGame::LoadMaterial("gui_hud_radar_target.mat");
    if (RenderScene* scene = game.GetRenderScene())
    {
        for (int i = 0; i < ModelCount; ++i)
        {
            _models[i] = scene->CreateModel(ModelFiles[i], SL_FOREGROUND);
            _modelScales[i] = ModelScales[i];
            if (_models[i])
                _models[i]->SetScale(_modelScales[i], _modelScales[i], _modelScales[i]);
        }
    }
    for (char* line : _logLines)
        line[0] = '\0';
    _logInterval = 5.0f;
    _logTime = 999.0f;
    _loaded = true;
}

void GuiShipHudRadar::Unload()
{
    if (!_loaded)
        return;
    if (RenderScene* scene = game.GetRenderScene())
    {
        for (Model*& model : _models)
        {
            if (model)
                scene->DestroyModel(model);
            model = nullptr;
        }
    }
    _contacts.clear();
    if (_radarLayer)
        _radarLayer->SetVisible(false);
    _loaded = false;
}

void GuiShipHudRadar::EnableModels(bool enable)
{
    for (Model* model : _models)
    {
        if (model)
            model->Enable(enable);
    }
}

void GuiShipHudRadar::Proceed()
{
    if (!_loaded)
        return;
    UpdateModels();
    DrawContacts();
}

void GuiShipHudRadar::UpdateModels()
{
    const Matrix m = ViewRotation();
    const Matrix inverse = m.Inversed();
    const Vec3 offset = inverse.Dir() * 6.5f - inverse.Right() * 0.01f;
    const Vec3 drop = -inverse.Up() * 2.75f;

    // The heading follows the turn of the view since the last frame.
    if (!_hasLastOrientation)
    {
        _lastOrientation = inverse;
        _hasLastOrientation = true;
    }
    const Matrix turn = _lastOrientation * m;
    // Rounding can put the sine a little outside -1..1, where asin has no value.
    _heading += std::asin(std::clamp(turn.Dir().x, -1.0f, 1.0f));
    if (_heading > Pi)
        _heading -= 2.0f * Pi;
    if (_heading < -Pi)
        _heading += 2.0f * Pi;
    _lastOrientation = inverse;

    Matrix rotation;
    rotation.FromRotationYPR(-_heading, -0.1f, 0.0f);
    const Matrix turned = m * rotation;
    for (int i = 0; i < ModelCount; ++i)
    {
        if (!_models[i])
            continue;
        Matrix pose = i < 2 ? turned : Matrix::Ident();
        for (int row = 0; row < 3; ++row)
            pose.GetRow3(row) *= _modelScales[i];
        pose.Pos() = drop + offset;
        _models[i]->SetLocalPose(pose);
    }
}

float GuiShipHudRadar::RangeAlpha(float t) { return t < 0.9f ? 1.0f : 1.0f - (t - 0.9f) * 10.0f; }

void GuiShipHudRadar::PlaceOnDisc(const Vec3& offset, const Vec3& right, const Vec3& up, const Vec3& dir, Vec2& blip,
                                  Vec2& foot, bool& front)
{
    const float s = Hud::Scale();
    const Vec2 centre = Gui::ScreenPos(Vec2(DiscX, DiscY), GA_CENTER);
    const Vec3 v = offset / Range;
    const float radius = DiscRadius * s;
    foot = centre + Vec2(v.Dot(right), -v.Dot(dir) * DiscDepth) * radius;
    blip = foot - Vec2(0.0f, v.Dot(up) * DiscHeight * radius);
    front = v.Dot(dir) > 0.0f;
}

void GuiShipHudRadar::RefreshContacts()
{
    _contacts.clear();
    if (!Hud::IsSingle())
        return; // network radars show no contacts
    const SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    struct Kind
    {
        const char* classname;
        float size;
    };
    for (const Kind& kind : {Kind{"ShipYtgFighter02", BlipSize}, Kind{"ShipYtgSush02", BlipSize * 2.0f}})
    {
        const unsigned count = level->GetActorCountByClassname(kind.classname);
        for (unsigned i = 0; i < count; ++i)
        {
            if (Actor* actor = level->GetActorByClassname(kind.classname, i))
                _contacts.push_back({actor, Vec3(0.0f, 0.0f, 0.0f), kind.size});
        }
    }
}

void GuiShipHudRadar::DrawBlip(const Blip& blip)
{
    HudPaint::Quad(_blipMaterial, blip.pos, blip.size, 0.0f, blip.color);
}

void GuiShipHudRadar::DrawContacts()
{
    const bool single = Hud::IsSingle();
    if (single && !IsLevelRunning())
        return;
    const float s = Hud::Scale();
    _refreshTimer -= Hud::Seconds();
    if (_refreshTimer < 0.0f)
    {
        _refreshTimer = 5.0f;
        RefreshContacts();
    }

    const Matrix inverseView = ViewRotation().Inversed();
    const Vec3 eye = Hud::GetCamera() ? Hud::GetCamera()->GetGlobalPos() : Vec3(0.0f, 0.0f, 0.0f);
    _frontBlipCount = 0;
    const SingleLevel* level = game.GetLevel();
    for (Contact& contact : _contacts)
    {
        // A contact freed since the last refresh is no longer in the registry.
        if (single && !level->HasActor(contact.actor))
            continue;
        const Vec3 position = single ? contact.actor->GetRoot().Pos() : contact.pos;
        const Vec3 offset = position - eye;
        const float t = offset.Length() / Range;
        if (t > 1.0f)
            continue;
        if (single)
        {
            const bool deadShip =
                contact.actor->HasFlag(ACTOR_FLAG_SHIP) && static_cast<const Ship*>(contact.actor)->IsDead();
            if (contact.actor->IsDeleted() || deadShip)
                continue;
        }
        const Color color(1.0f, 0.0f, 0.0f, RangeAlpha(t));
        Vec2 centre, foot;
        bool front;
        PlaceOnDisc(offset, inverseView.Right(), inverseView.Up(), inverseView.Dir(), centre, foot, front);
        contact.pos = offset / Range;
        HudPaint::Line(centre, foot, color, color);
        const float edge = contact.size * s;
        const Blip blip{centre - Vec2(edge, edge) * 0.5f, Vec2(edge, edge), color};
        if (front && _frontBlipCount < MaxFrontBlips)
            _frontBlips[_frontBlipCount++] = blip;
        else
            DrawBlip(blip); // behind, or more ahead than the list holds
    }

    DrawBlip({Gui::ScreenPos(Vec2(639.0f - 12.0f, 833.0f - 12.0f), GA_CENTER), Vec2(24.0f, 24.0f) * s,
              Color(0.0f, 1.0f, 0.0f, 1.0f)});
    for (int i = 0; i < _frontBlipCount; ++i)
        DrawBlip(_frontBlips[i]);
    DrawLog();
}

void GuiShipHudRadar::DrawLog()
{
    const float dt = Hud::Seconds();
    _logCounter += dt * 10.0f;
    if (_logCounter > _logInterval)
    {
        _logCounter = 0.0f;
        _logInterval = float(EngineRandom() % 100) * 0.01f * 15.0f + 25.0f;
        for (char* line : _logLines)
            line[0] = '\0';
        const int lines = EngineRandom() % 3 + 2;
        // "Fighter" in the chosen language.
        const char* fighter = Hud::Text("ui_hud_radar_fighter");
        for (int j = 0; j < lines; ++j)
            std::snprintf(_logLines[j], sizeof _logLines[j], "%d %s id%d", j, fighter, EngineRandom() % 2049);
        _logTime = 0.0f;
    }
    if (_logTime == 999.0f)
        return;
    _logTime += dt;

    const float s = Hud::Scale();
    for (int i = 0; i < LogLines; ++i)
    {
        if (i > 0 && _logLines[i][0] == '\0')
            continue;
        const float reveal = std::clamp(_logTime - float(i), 0.0f, 1.0f);
        const Vec2 from = Gui::ScreenPos(Vec2(479.0f, 725.0f + 10.0f * float(i)), GA_CENTER);
        const float bottom = (745.0f + 10.0f * float(i)) * s;
        // Revealed from left to right.
        HudPaint::ClipText(HudPaint::Text({"Arial", 7, 4, 700, false, _logLines[i],
                                           Vec4(from.x, from.y, 9999.0f, bottom), TA_TOP_LEFT, false, LogColor}),
                           Vec4(from.x, from.y, from.x + reveal * 100.0f * s, from.y + 22.0f * s));
        const Vec2 cursorTop = Gui::ScreenPos(Vec2(479.0f + 100.0f * reveal, 726.0f + 10.0f * float(i)), GA_CENTER);
        const Vec2 cursorBottom = Gui::ScreenPos(Vec2(479.0f + 100.0f * reveal, 734.0f + 10.0f * float(i)), GA_CENTER);
        const Color cursor(0.0f, 0.844f, 0.98f, 1.0f - reveal);
        HudPaint::Line(cursorTop, cursorBottom, cursor, cursor);
    }
}
