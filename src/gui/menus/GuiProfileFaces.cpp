#include "gui/menus/GuiProfileFaces.h"

#include "MaterialSystem/MaterialSystem.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

#include <algorithm>
#include <cmath>

namespace {

// Where each slot stands (0 and 6 below the screen) and how it is drawn.
const Vec2 SlotPos[GuiProfileFaces::SlotCount] = {{62, 1806}, {262, 806}, {330, 788},  {510, 706},
                                                  {689, 788}, {886, 806}, {1086, 1806}};
// Per slot, the way it moves while sliding: even entries towards a higher item, odd ones
// towards a lower one.
const Vec2 Shifts[14] = {{200, -1000}, {0, 0},    {100, -45},  {-200, 1000}, {161, -45},  {-112, 48}, {200, 45},
                         {-161, 45},   {165, 51}, {-197, -48}, {200, 1000},  {-154, -45}, {0, 0},     {-150, -1000}};

// Each arrow's pulse, shared by every carousel.
float ArrowPhases[4] = {};

const char* const DefaultShip = "angar//default_ship.mat";

} // namespace

void GuiProfileFaces::Initialize()
{
    _arrowBig = GuiGame::LoadMaterial("angar//devices_arrow_big.mat");
    _arrowSmall = GuiGame::LoadMaterial("angar//devices_arrow_small.mat");
    const char* slots[6] = {"gui_profiles//slot1_back1.mat", "gui_profiles//slot1_back2.mat",
                            "gui_profiles//slot2_back1.mat", "gui_profiles//slot2_back2.mat",
                            "gui_profiles//slot3_back1.mat", "gui_profiles//slot3_ramka.mat"};
    for (int i = 0; i < 6; ++i)
        _slots[i] = GuiGame::LoadMaterial(slots[i]);
    _position = 0.0f;
    _curSelected = 0;
    _count = 0;
    _blend = 1.0f;
    ShutDown();
    _ramka = Gui::AddFlash(LayerManager::GetRoot(), "ramka", "swf//profiles_ramka.swf",
                           Gui::ScreenPos(Vec2(522.0f, 732.0f), GA_CENTER), Gui::ScreenSize(Vec2(230.0f, 200.0f)));
}

void GuiProfileFaces::ShutDown() { Gui::Detach(LayerManager::GetRoot(), _ramka); }

void GuiProfileFaces::SetCount(int count) { _count = std::max(count, 0); }

void GuiProfileFaces::SetCurSelectedWithOutAnim(int index)
{
    _curSelected = index;
    _position = float(index);
}

GuiProfileFaces::Item* GuiProfileFaces::EnsureItem(int index)
{
    if (index < 0)
        return nullptr;
    if (size_t(index) >= _items.size())
        _items.resize(size_t(index) + 1);
    return &_items[size_t(index)];
}

void GuiProfileFaces::SetName(int index, const char* name)
{
    if (Item* item = EnsureItem(index))
        Gui::CopyText(item->name, sizeof(item->name), name);
}

void GuiProfileFaces::SetMaterial(int index, Material*)
{
    if (Item* item = EnsureItem(index))
        item->material = GuiGame::LoadMaterial(DefaultShip);
}

void GuiProfileFaces::SetVisible(bool visible) { Gui::SetVisible({_ramka}, visible); }

const char* GuiProfileFaces::GetName(int index) const
{
    return index >= 0 && size_t(index) < _items.size() ? _items[size_t(index)].name : nullptr;
}

bool GuiProfileFaces::Exists(int slot) const
{
    const int item = _curSelected - 3 + slot;
    return item >= 0 && item < _count && size_t(item) < _items.size();
}

void GuiProfileFaces::Proceed(float dt, float blend)
{
    _blend = blend;
    const float target = float(_curSelected);
    const float step = 4.0f * dt;
    if (_position < target)
        _position = std::min(_position + step, target);
    else if (_position > target)
        _position = std::max(_position - step, target);

    const float d = target - _position;
    const float p = std::fabs(d);
    for (int k = 0; k < SlotCount; ++k)
    {
        _offsets[k] = Vec2(0.0f, 0.0f);
        _scales[k] = 1.0f;
    }
    if (d > 0.0f)
    {
        const float scales[SlotCount] = {0.8f * p + 0.2f, 1 + 0.5f * p, 1 + 0.18f * p, 1 - 0.2f * p,
                                         1 - 0.33f * p,   1 - 0.8f * p, 0.0f};
        for (int k = 0; k < SlotCount; ++k)
        {
            _offsets[k] = Shifts[2 * k] * p;
            _scales[k] = scales[k];
        }
    }
    else if (d < 0.0f)
    {
        const float scales[SlotCount] = {0.0f,          1 - 0.8f * p, 1 - 0.33f * p,  1 - 0.2f * p,
                                         1 + 0.18f * p, 1 + 0.5f * p, 0.8f * p + 0.2f};
        for (int k = 0; k < SlotCount; ++k)
        {
            _offsets[k] = Shifts[2 * k + 1] * p;
            _scales[k] = scales[k];
        }
    }

    for (int k = 0; k < SlotCount; ++k)
    {
        if (!Exists(k))
            continue;
        const int item = _curSelected - 3 + k;
        const Vec2 pos = SlotPos[k] + _offsets[k];
        if (k == 3)
            DrawB(item, pos, _scales[k]);
        else if (k == 2 || k == 4)
            DrawM(item, pos, _scales[k]);
        else
            DrawS(item, pos, _scales[k]);
    }
    DrawArrow(ChooseArrow());
}

GuiProfileFaces::eArrow GuiProfileFaces::ChooseArrow() const
{
    if (!Exists(1) && !Exists(2) && Exists(6))
        return ARROW_BIG_L;
    if (!Exists(4) && !Exists(5) && Exists(0))
        return ARROW_BIG_R;
    if (!Exists(1) && Exists(6))
        return ARROW_SMALL_L;
    if (Exists(4) && !Exists(5) && Exists(0))
        return ARROW_SMALL_R;
    return ARROW_NONE;
}

void GuiProfileFaces::Quad(Material* material, const Vec2& designPos, const Vec2& designSize) const
{
    static const Vec2 uv[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    if (material)
        LayerManager::RenderQuad(material, Gui::ScreenPos(designPos, GA_CENTER), Gui::ScreenSize(designSize), uv, 0.0f,
                                 Color(1.0f, 1.0f, 1.0f, _blend));
}

void GuiProfileFaces::DrawArrow(eArrow arrow)
{
    if (arrow == ARROW_NONE)
        return;
    float& t = ArrowPhases[arrow];
    t += LayerManager::GetFrameSeconds();
    if (t > 1.0f)
        t = 0.0f;
    const float alpha = (t < 0.5f ? 2.0f * t : 2.0f * (1.0f - t)) * _blend;
    // Texture corners in the order bottom-left, top-left, bottom-right, top-right; swapped
    // left and right for a mirrored arrow.
    static const Vec2 plain[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    static const Vec2 mirrored[4] = {{1.0f, 1.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}, {0.0f, 0.0f}};
    struct Shape
    {
        Material* material;
        Vec2 pos, size;
        const Vec2* uv;
    };
    const Shape shapes[4] = {
        {_arrowBig, Vec2(272.0f + 178.0f * t, 710.0f), Vec2(128.0f, 256.0f), mirrored},
        {_arrowBig, Vec2(858.0f - 178.0f * t, 710.0f), Vec2(128.0f, 256.0f), plain},
        {_arrowSmall, Vec2(220.0f + 80.0f * t, 800.0f), Vec2(128.0f, 128.0f), plain},
        {_arrowSmall, Vec2(930.0f - 80.0f * t, 800.0f), Vec2(128.0f, 128.0f), mirrored},
    };
    const Shape& shape = shapes[arrow];
    if (shape.material)
        LayerManager::RenderQuad(shape.material, Gui::ScreenPos(shape.pos, GA_CENTER), Gui::ScreenSize(shape.size),
                                 shape.uv, 0.0f, Color(1.0f, 1.0f, 1.0f, alpha));
}

void GuiProfileFaces::DrawB(int item, const Vec2& pos, float x)
{
    Quad(_slots[4], pos, Vec2(256.0f) * x);
    Quad(_items[size_t(item)].material, pos + Vec2(64.0f, 60.0f) + Vec2(-64.0f, -64.0f) * (1.0f - x), Vec2(128.0f) * x);
    MaterialSystem* system = LayerManager::GetMaterialSystem();
    if (!system)
        return;
    const float s = LayerManager::GetScaleFactor();
    const Vec2 base = pos - Vec2(510.0f, 706.0f);
    const Vec2 from = Gui::ScreenPos(base + Vec2(547.0f, 725.0f), GA_CENTER);
    const Vec2 to = Gui::ScreenPos(base + Vec2(727.0f, 759.0f), GA_CENTER);
    system->DrawD3DText("Arial", unsigned(17.0f * s), unsigned(8.0f * s), 400, false, _items[size_t(item)].name,
                        Vec4(from.x, from.y, to.x, to.y), TA_CENTER, false, Color(1.0f, 1.0f, 0.0f, _blend));
}

void GuiProfileFaces::DrawM(int item, const Vec2& pos, float x)
{
    Quad(_slots[2], pos + Vec2(0.0f, -64.0f) * (1.0f - x), Vec2(256.0f, 128.0f) * x);
    Quad(_items[size_t(item)].material, pos + Vec2(80.0f, 15.0f) + Vec2(-80.0f, -80.0f) * (1.0f - x), Vec2(96.0f) * x);
    Quad(_slots[3], pos + Vec2(0.0f, -64.0f), Vec2(256.0f) * x);
}

void GuiProfileFaces::DrawS(int item, const Vec2& pos, float x)
{
    Quad(_slots[0], pos + Vec2(-64.0f, 0.0f) * (1.0f - x), Vec2(128.0f) * x);
    Quad(_items[size_t(item)].material, pos + Vec2(32.0f, 32.0f) + Vec2(-96.0f, -32.0f) * (1.0f - x), Vec2(64.0f) * x);
    Quad(_slots[1], pos + Vec2(-64.0f, 0.0f), Vec2(256.0f, 128.0f) * x);
}
