#pragma once

#include "layers/widgets/GuiWidget.h"

// The offer cards of the stock exchange, under the root, placed by SetPos in screen units: the
// card's movie, the client's face, and over it "itemFull" on "swf//itemFull_e.swf" (80 x 80),
// the face's frame. Text and star setters send only changes, each with its own cache.
class GuiStockItem
{
public:
    static constexpr int NoState = -99;

    GuiStockItem(const GuiStockItem&) = delete;
    GuiStockItem& operator=(const GuiStockItem&) = delete;

    void Unload();
    void SetVisible(bool visible);
    void SetFace(Material* face);
    void SetStars(int stars);
    void SetMoney(const char* text);
    void SetRace(const char* text);
    void SetName(const char* text);

    FlashLayer* GetCard() const { return _card; }
    SpriteLayer* GetFace() const { return _face; }
    FlashLayer* GetOverlay() const { return _overlay; }

protected:
    // Offsets in design units from the card's position.
    struct Placement
    {
        Vec2 overlay, face, icon;
    };

    GuiStockItem() = default;
    ~GuiStockItem() { Unload(); }

    // The card, with an icon sprite when asked, the face and the overlay, in drawing order;
    // caches emptied, and the card's hint "SetRM" from the text of `moreCode`. `faceSize` is the
    // face's (and the icon's) size.
    void LoadCard(const char* cardName, const char* cardMovie, const Vec2& cardSize, const Vec2& faceSize, bool icon,
                  const char* moreCode);
    void PlaceLayers(const Vec2& pos, const Placement& placement);
    // Card "SetState" with the state and overlay "SetState" with `overlayState`, when the
    // state changes.
    void SendState(int state, int overlayState);
    // True when the text went to the card.
    bool SendRace(const char* text) { return Gui::CallOnChange(_card, _race, L"SetR", text); }

    FlashLayer* _card = nullptr;
    SpriteLayer* _icon = nullptr;
    SpriteLayer* _face = nullptr;
    FlashLayer* _overlay = nullptr;
    int _state = NoState;
    int _stars = 0;
    GuiTextCache _name, _money, _race;
};

// The card of the selected offer: "itemSelected" on "swf//itemSelected.swf", 512 x 180.
class GuiStockItemSelected : public GuiStockItem
{
public:
    GuiStockItemSelected* Load();
    // Screen units: the overlay at pos + (59, 49), the face at pos + (76, 65) design units.
    void SetPos(const Vec2& pos);
    // 1 the offer can be taken, 0 it cannot: the frame shows 1, or 2 for one that cannot.
    void SetState(int state) { SendState(state, state == 1 ? 1 : 2); }
};

// The card of an offer in the list: "itemPassive" on "swf//itemPassive.swf", 420 x 160.
class GuiStockItemPassive : public GuiStockItem
{
public:
    GuiStockItemPassive* Load();
    // Screen units: the overlay at pos + (42, 38), the face at pos + (58, 54) design units.
    void SetPos(const Vec2& pos);
    // 1 the offer can be taken, 0 it cannot: the frame shows 0, or 2 for one that cannot.
    void SetState(int state) { SendState(state, state == 1 ? 0 : 2); }
    void SetAlpha(float alpha);
};

// The opened offer: "itemFull" on "swf//itemFull.swf", 512 x 300, with the client's race
// emblem (the icon) beside the texts.
class GuiStockItemFull : public GuiStockItem
{
public:
    GuiStockItemFull* Load();
    // Screen units: the overlay at pos + (41, 45), the icon at pos + (388, 85), the face at
    // pos + (58, 61) design units.
    void SetPos(const Vec2& pos);
    // The race's text, and the emblem of the race of that code in the current pilot's rating;
    // an unknown code leaves the emblem as it was.
    void SetRace(const char* code);
    void SetDesc(const char* text) { Gui::CallOnChange(_card, _desc, L"SetDesc", text); }
    void SetLocation(const char* text) { Gui::CallOnChange(_card, _location, L"SetLocation", text); }
    void SetFrom(const char* text) { Gui::CallOnChange(_card, _from, L"SetFrom", text); }

    SpriteLayer* GetIcon() const { return _icon; }

private:
    GuiTextCache _desc, _location, _from;
};
