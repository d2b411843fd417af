#pragma once

#include "layers/widgets/GuiWidget.h"

// The two rating columns of the stock exchange, under the root.

// The races: "races_column" on "swf//races_column.swf" (410 x 660) at a design position with
// no alignment shift, and over it the emblems of its seven rows (51 x 51 at (69, 343 + 75 i)).
class GuiRacesColumn
{
public:
    static constexpr int Rows = 7;
    static constexpr float NoRate = -999.0f;

    GuiRacesColumn() = default;
    ~GuiRacesColumn() { Unload(); }
    GuiRacesColumn(const GuiRacesColumn&) = delete;
    GuiRacesColumn& operator=(const GuiRacesColumn&) = delete;

    // Every row gets the captions of "ui_stock_race_name" and "ui_stock_race_rate".
    GuiRacesColumn* Load(const Vec2& designPos);
    void Unload();
    // Row 0..6, 0..1; sent when it changes. Other rows are ignored.
    void SetRate(int row, float rate);
    // Sent every time; the movie ignores rows it does not have.
    void SetName(int row, const char* text);
    void SetNameSmall(int row, const char* text);
    void SetNameC(int row, const char* text);
    void SetRateC(int row, const char* text);
    // Rows 0..6; others are ignored.
    void SetIcon(int row, Material* icon);

    FlashLayer* GetLayer() const { return _layer; }
    SpriteLayer* GetIcon(int row) const;

private:
    FlashLayer* _layer = nullptr;
    SpriteLayer* _icons[Rows] = {};
    float _rates[Rows] = {};
};

// The pirates: "pirates_column_back" on "swf//pirates_column_back.swf" and "pirates_column" on
// "swf//pirates_column.swf" (both 410 x 660, right-aligned), with the faces of the six rows
// between them (51 x 51 at (965, 351 + 90 i), the sixth, the player's, at (965, 813)).
class GuiPiratesColumn
{
public:
    static constexpr int Rows = 6;

    GuiPiratesColumn() = default;
    ~GuiPiratesColumn() { Unload(); }
    GuiPiratesColumn(const GuiPiratesColumn&) = delete;
    GuiPiratesColumn& operator=(const GuiPiratesColumn&) = delete;

    GuiPiratesColumn* Load(const Vec2& designPos);
    void Unload();
    // The movie's rows emptied, `pirates` rows of the list shown above the player's; every row
    // gets the captions of "ui_stock_pirate_name", "_score" and "_efficiency".
    void Initialize(int pirates);
    // Everything is sent every time; the movie ignores rows it does not have.
    void SetScore(int row, float score);
    void SetEff(int row, float eff);
    void SetName(int row, const char* text);
    void SetScoreText(int row, const char* text);
    void SetEffText(int row, const char* text);
    // Rows 0..5; others are ignored.
    void SetFace(int row, Material* face);

    FlashLayer* GetBack() const { return _back; }
    FlashLayer* GetLayer() const { return _layer; }
    SpriteLayer* GetFace(int row) const;

private:
    FlashLayer* _back = nullptr;
    SpriteLayer* _faces[Rows] = {};
    FlashLayer* _layer = nullptr;
};
