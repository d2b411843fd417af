#include "gui/menus/GuiMultiplayerFaces.h"

#include "foundation/math/Color.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiWidget.h"

namespace {

const Vec2 SlotBase[GuiSlotCarousel::SlotCount] = {
    {62.0f, 1806.0f}, {253.0f, 771.0f}, {367.0f, 741.0f},   {522.0f, 710.0f},
    {715.0f, 741.0f}, {876.0f, 771.0f}, {1126.0f, 1806.0f},
};
// Where a slot's picture lies in its slot, and its side.
const Vec2 PictureOffset[GuiSlotCarousel::SlotCount] = {
    {40.0f, 35.0f}, {40.0f, 35.0f}, {49.0f, 39.0f}, {51.0f, 46.0f}, {49.0f, 39.0f}, {40.0f, 35.0f}, {40.0f, 35.0f},
};
const float PictureSide[GuiSlotCarousel::SlotCount] = {71.0f, 71.0f, 102.0f, 128.0f, 102.0f, 71.0f, 71.0f};

} // namespace

GuiMultiplayerFaces::GuiMultiplayerFaces()
{
    Layer* root = LayerManager::GetRoot();
    _text = Gui::AddFlash(root, "slot", "swf//text.swf", Gui::ScreenPos(Vec2(502.0f, 711.0f), GA_CENTER),
                          Gui::ScreenSize(Vec2(256.0f, 32.0f)));
    Own(_text);
    Gui::SetVisible({_text}, true);
    AddSlots(SlotLook{"swf//f_slot_small.swf", "swf//f_slot_medium.swf", "swf//f_slot_big.swf", Vec2(155.0f, 145.0f),
                      Vec2(200.0f, 180.0f), Vec2(230.0f, 225.0f), SlotBase});
    _board = Gui::AddFlash(root, "slot", "swf//face_board.swf", Gui::ScreenPos(Vec2(379.0f, 202.0f), GA_CENTER),
                           Gui::ScreenSize(Vec2(525.0f, 520.0f)));
    Own(_board);
    for (int slot = 0; slot < SlotCount; ++slot)
    {
        _slot_sprites[slot] = Gui::AddSprite(root, "default", Vec2(0.0f, 0.0f),
                                             Gui::ScreenSize(Vec2(PictureSide[slot], PictureSide[slot])));
        Own(_slot_sprites[slot]);
    }
    AddFrame("swf//f_slot_ramka.swf", Vec2(537.0f, 721.0f), Vec2(200.0f, 200.0f));
    _big_picture = Gui::AddSprite(root, "default", Gui::ScreenPos(Vec2(446.0f, 270.0f), GA_CENTER),
                                  Gui::ScreenSize(Vec2(389.0f, 389.0f)));
    Own(_big_picture);
}

GuiMultiplayerFaces::~GuiMultiplayerFaces() = default;

void GuiMultiplayerFaces::AddFace(const char* name, Material* picture, Material* slotPicture)
{
    auto item = std::make_unique<Item>();
    Gui::CopyText(item->name, NameSize, name);
    item->picture = picture;
    item->slot_picture = slotPicture;
    _items.push_back(std::move(item));
}

void GuiMultiplayerFaces::UpdateText()
{
    const int selected = GetSelectedItem();
    if (selected >= 0 && selected < GetItemCount())
        Gui::Call(_text, L"SetTxt", FlashHost::Args(_items[size_t(selected)]->name));
}

void GuiMultiplayerFaces::HideExtras()
{
    for (SpriteLayer* sprite : _slot_sprites)
        Gui::SetVisible({sprite}, false);
    Gui::SetVisible({_board, _big_picture}, false);
}

void GuiMultiplayerFaces::ShowSelected()
{
    const Color faded(1.0f, 1.0f, 1.0f, GetShiftAlpha());
    Gui::SetMaterial(_big_picture, _items[size_t(GetSelectedItem())]->picture);
    for (Layer* layer : {static_cast<Layer*>(_board), static_cast<Layer*>(_big_picture)})
    {
        if (!layer)
            continue;
        layer->SetColor(faded);
        layer->SetVisible(true);
    }
}

void GuiMultiplayerFaces::ShowSlot(int slot, int item, const Vec2& designPos, float scale)
{
    if (SpriteLayer* sprite = _slot_sprites[slot])
    {
        sprite->SetMaterial(_items[size_t(item)]->slot_picture);
        sprite->SetPos(Gui::ScreenPos(designPos + PictureOffset[slot], GA_CENTER));
        sprite->SetScale(Vec2(scale, scale));
        sprite->SetColor(Color(1.0f, 1.0f, 1.0f, GetShiftAlpha()));
        sprite->SetVisible(true);
    }
    GuiSlotCarousel::ShowSlot(slot, item, designPos, scale);
}
