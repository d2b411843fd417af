#include "gui/menus/GuiProfileFaces.h"

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec4.h"
#include "game/core/game/MenuGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

float GuiProfileFaces::_arrowPhase[4] = {};

namespace {

constexpr const char* SlotMaterialFiles[] = {
    "gui_profiles//slot1_back1.mat", "gui_profiles//slot1_back2.mat", "gui_profiles//slot2_back1.mat",
    "gui_profiles//slot2_back2.mat", "gui_profiles//slot3_back1.mat", "gui_profiles//slot3_ramka.mat",
};
constexpr const char* ItemPicture = "angar//default_ship.mat";

const Vec2 SlotBase[GuiProfileFaces::SlotCount] = {
    {62.0f, 1806.0f}, {262.0f, 806.0f}, {330.0f, 788.0f},   {510.0f, 706.0f},
    {689.0f, 788.0f}, {886.0f, 806.0f}, {1086.0f, 1806.0f},
};

// An arrow: its material (big or small), design place at the start of its blink and how far the
// blink moves it, its size, and whether it is mirrored.
struct ArrowLook
{
    bool big;
    Vec2 start;
    float travel;
    Vec2 size;
    bool mirrored;
};
const ArrowLook Arrows[4] = {
    {false, {220.0f, 800.0f}, 80.0f, {128.0f, 128.0f}, false},
    {false, {930.0f, 800.0f}, -80.0f, {128.0f, 128.0f}, true},
    {true, {272.0f, 710.0f}, 178.0f, {128.0f, 256.0f}, true},
    {true, {858.0f, 710.0f}, -178.0f, {128.0f, 256.0f}, false},
};

} // namespace

GuiProfileFaces::GuiProfileFaces() { Initialize(); }

GuiProfileFaces::~GuiProfileFaces() { ShutDown(); }

void GuiProfileFaces::Initialize()
{
    ShutDown();
    for (int i = 0; i < SLOT_MATERIALS; ++i)
        _slotMaterials[i] = GuiGame::LoadMaterial(SlotMaterialFiles[i]);
    _arrow_big = GuiGame::LoadMaterial("angar//devices_arrow_big.mat");
    _arrow_small = GuiGame::LoadMaterial("angar//devices_arrow_small.mat");
    _slide.Jump(0);
    _count = 0;
    _blend = 1.0f;
    _ramka = Gui::AddFlash(LayerManager::GetRoot(), "ramka", "swf//profiles_ramka.swf",
                           Gui::ScreenPos(Vec2(522.0f, 732.0f), GA_CENTER), Gui::ScreenSize(Vec2(230.0f, 200.0f)));
}

void GuiProfileFaces::ShutDown() { Gui::Detach(LayerManager::GetRoot(), _ramka); }

void GuiProfileFaces::SetCount(int count)
{
    _count = count < 0 ? 0 : count;
    Grow();
}

void GuiProfileFaces::Grow()
{
    if (_items.size() < size_t(_count))
        _items.resize(size_t(_count));
}

void GuiProfileFaces::SetName(int item, const char* name)
{
    Grow();
    if (item >= 0 && item < _count)
        Gui::CopyText(_items[size_t(item)].name, NameSize, name);
}

const char* GuiProfileFaces::GetName(int item) const
{
    return item >= 0 && item < _count ? _items[size_t(item)].name : "";
}

void GuiProfileFaces::SetMaterial(int item, Material*)
{
    Grow();
    if (item >= 0 && item < _count)
        _items[size_t(item)].picture = GuiGame::LoadMaterial(ItemPicture);
}

void GuiProfileFaces::SetVisible(bool visible) { Gui::SetVisible({_ramka}, visible); }

bool GuiProfileFaces::HasItem(int slot) const
{
    const int item = _slide.ItemOfSlot(slot);
    return item >= 0 && item < _count;
}

float GuiProfileFaces::ArrowAlpha(float phase) { return phase < 0.5f ? 2.0f * phase : 2.0f * (1.0f - phase); }

void GuiProfileFaces::Proceed(float seconds, float blend)
{
    _blend = blend;
    _slide.Step(seconds);
    _slide.Layout(_slot_offsets, _slot_scales);
    for (int slot = 0; slot < SlotCount; ++slot)
    {
        const int item = _slide.ItemOfSlot(slot);
        const Vec2 pos = SlotBase[slot] + _slot_offsets[slot];
        if (slot == CarouselSlide::CentreSlot)
            DrawB(item, pos, _slot_scales[slot]);
        else if (slot == 2 || slot == 4)
            DrawM(item, pos, _slot_scales[slot]);
        else
            DrawS(item, pos, _slot_scales[slot]);
    }
    // One arrow at most, toward the side where items wait beyond the visible slots.
    _lastArrow = ARROW_NONE;
    if (!HasItem(1) && !HasItem(2) && HasItem(6))
        _lastArrow = ARROW_BIG_L;
    else if (!HasItem(4) && !HasItem(5) && HasItem(0))
        _lastArrow = ARROW_BIG_R;
    else if (!HasItem(1) && HasItem(6))
        _lastArrow = ARROW_SMALL_L;
    else if (HasItem(4) && !HasItem(5) && HasItem(0))
        _lastArrow = ARROW_SMALL_R;
    if (_lastArrow != ARROW_NONE)
        DrawArrow(_lastArrow, seconds);
}

void GuiProfileFaces::Quad(Material* material, const Vec2& designPos, const Vec2& designSize) const
{
    if (MaterialSystem* render = MenuGame::Render())
        render->RenderQuad(material, Gui::ScreenPos(designPos, GA_CENTER), Gui::ScreenSize(designSize), 0.0f,
                           Color(1.0f, 1.0f, 1.0f, _blend), 0);
}

void GuiProfileFaces::DrawB(int item, const Vec2& pos, float x)
{
    if (item < 0 || item >= _count)
        return;
    Quad(_slotMaterials[SLOT3_BACK1], pos, Vec2(256.0f, 256.0f) * x);
    Quad(_items[size_t(item)].picture, pos + Vec2(64.0f, 60.0f) + Vec2(-64.0f, -64.0f) * (1.0f - x),
         Vec2(128.0f, 128.0f) * x);
    MaterialSystem* render = MenuGame::Render();
    if (!render)
        return;
    const float s = LayerManager::GetScaleFactor();
    const Vec2 corner = pos - Vec2(510.0f, 706.0f);
    const Vec2 from = Gui::ScreenPos(corner + Vec2(547.0f, 725.0f), GA_CENTER);
    const Vec2 to = Gui::ScreenPos(corner + Vec2(727.0f, 759.0f), GA_CENTER);
    render->DrawD3DText("Arial", unsigned(17.0f * s), unsigned(8.0f * s), 400, false, _items[size_t(item)].name,
                        Vec4(from.x, from.y, to.x, to.y), TA_CENTER, false, Color(1.0f, 1.0f, 0.0f, _blend));
}

void GuiProfileFaces::DrawM(int item, const Vec2& pos, float x)
{
    if (item < 0 || item >= _count)
        return;
    Quad(_slotMaterials[SLOT2_BACK1], pos + Vec2(0.0f, -64.0f) * (1.0f - x), Vec2(256.0f, 128.0f) * x);
    Quad(_items[size_t(item)].picture, pos + Vec2(80.0f, 15.0f) + Vec2(-80.0f, -80.0f) * (1.0f - x),
         Vec2(96.0f, 96.0f) * x);
    Quad(_slotMaterials[SLOT2_BACK2], pos + Vec2(0.0f, -64.0f), Vec2(256.0f, 256.0f) * x);
}

void GuiProfileFaces::DrawS(int item, const Vec2& pos, float x)
{
    if (item < 0 || item >= _count)
        return;
    Quad(_slotMaterials[SLOT1_BACK1], pos + Vec2(-64.0f, 0.0f) * (1.0f - x), Vec2(128.0f, 128.0f) * x);
    Quad(_items[size_t(item)].picture, pos + Vec2(32.0f, 32.0f) + Vec2(-96.0f, -32.0f) * (1.0f - x),
         Vec2(64.0f, 64.0f) * x);
    Quad(_slotMaterials[SLOT1_BACK2], pos + Vec2(-64.0f, 0.0f), Vec2(256.0f, 128.0f) * x);
}

// The arrow glides inward over its blink, which restarts every second.
void GuiProfileFaces::DrawArrow(int arrow, float seconds)
{
    float& phase = _arrowPhase[arrow];
    phase += seconds;
    if (phase > 1.0f)
        phase = 0.0f;
    MaterialSystem* render = MenuGame::Render();
    if (!render)
        return;
    const ArrowLook& look = Arrows[arrow];
    const Vec2 pos = Gui::ScreenPos(look.start + Vec2(look.travel * phase, 0.0f), GA_CENTER);
    // Corners bottom-left, top-left, bottom-right, top-right; a mirrored arrow swaps left and right.
    Vec2 uv[4] = {{0.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};
    if (look.mirrored)
        uv[0] = Vec2(1.0f, 1.0f), uv[1] = Vec2(1.0f, 0.0f), uv[2] = Vec2(0.0f, 1.0f), uv[3] = Vec2(0.0f, 0.0f);
    render->RenderQuadAdvanced(look.big ? _arrow_big : _arrow_small, pos, Gui::ScreenSize(look.size), uv[0], uv[1],
                               uv[2], uv[3], 0.0f, Color(1.0f, 1.0f, 1.0f, ArrowAlpha(phase)), 0);
}
