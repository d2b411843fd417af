#include "layers/widgets/GuiColumns.h"

#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

using FlashHost::Args;

namespace {

const Vec2 ColumnSize(410.0f, 660.0f);
const Vec2 RowIconSize(51.0f, 51.0f);

template <class T, int N>
T* Row(T* const (&rows)[N], int row)
{
    return row >= 0 && row < N ? rows[row] : nullptr;
}

} // namespace

GuiRacesColumn* GuiRacesColumn::Load(const Vec2& designPos)
{
    Unload();
    Layer* root = LayerManager::GetRoot();
    _layer = Gui::AddFlash(root, "races_column", "swf//races_column.swf", Gui::ScreenPos(designPos),
                           Gui::ScreenSize(ColumnSize));
    for (int i = 0; i < Rows; ++i)
    {
        _icons[i] = Gui::AddSprite(root, "icon", Gui::ScreenPos(Vec2(69.0f, 343.0f + 75.0f * float(i))),
                                   Gui::ScreenSize(RowIconSize));
        _rates[i] = NoRate;
    }
    for (int i = 0; i < Rows; ++i)
    {
        SetNameC(i, GuiGame::Text("ui_stock_race_name"));
        SetRateC(i, GuiGame::Text("ui_stock_race_rate"));
    }
    return this;
}

void GuiRacesColumn::Unload()
{
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _layer);
    for (SpriteLayer*& icon : _icons)
        Gui::Detach(root, icon);
}

void GuiRacesColumn::SetRate(int row, float rate)
{
    if (row < 0 || row >= Rows || rate == _rates[row])
        return;
    _rates[row] = rate;
    Gui::Call(_layer, L"SetRate", Args(row)(rate));
}

void GuiRacesColumn::SetName(int row, const char* text) { Gui::Call(_layer, L"SetName", Args(row)(text)); }
void GuiRacesColumn::SetNameSmall(int row, const char* text) { Gui::Call(_layer, L"SetNameSmall", Args(row)(text)); }
void GuiRacesColumn::SetNameC(int row, const char* text) { Gui::Call(_layer, L"SetNameC", Args(row)(text)); }
void GuiRacesColumn::SetRateC(int row, const char* text) { Gui::Call(_layer, L"SetRateC", Args(row)(text)); }
void GuiRacesColumn::SetIcon(int row, Material* icon) { Gui::SetMaterial(Row(_icons, row), icon); }
SpriteLayer* GuiRacesColumn::GetIcon(int row) const { return Row(_icons, row); }

GuiPiratesColumn* GuiPiratesColumn::Load(const Vec2& designPos)
{
    Unload();
    Layer* root = LayerManager::GetRoot();
    const Vec2 pos = Gui::ScreenPos(designPos, GA_RIGHT);
    _back =
        Gui::AddFlash(root, "pirates_column_back", "swf//pirates_column_back.swf", pos, Gui::ScreenSize(ColumnSize));
    for (int i = 0; i < Rows; ++i)
    {
        // The player's row stands apart below the list.
        const float y = i == Rows - 1 ? 813.0f : 351.0f + 90.0f * float(i);
        _faces[i] =
            Gui::AddSprite(root, "face", Gui::ScreenPos(Vec2(965.0f, y), GA_RIGHT), Gui::ScreenSize(RowIconSize));
    }
    _layer = Gui::AddFlash(root, "pirates_column", "swf//pirates_column.swf", pos, Gui::ScreenSize(ColumnSize));
    return this;
}

void GuiPiratesColumn::Unload()
{
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _back);
    for (SpriteLayer*& face : _faces)
        Gui::Detach(root, face);
    Gui::Detach(root, _layer);
}

void GuiPiratesColumn::Initialize(int pirates)
{
    Gui::Call(_layer, L"Initialize", Args(pirates));
    for (int i = 0; i < Rows; ++i)
    {
        Gui::Call(_layer, L"SetNameC", Args(i)(GuiGame::Text("ui_stock_pirate_name")));
        Gui::Call(_layer, L"SetScoreC", Args(i)(GuiGame::Text("ui_stock_pirate_score")));
        Gui::Call(_layer, L"SetEffC", Args(i)(GuiGame::Text("ui_stock_pirate_efficiency")));
    }
}

void GuiPiratesColumn::SetScore(int row, float score) { Gui::Call(_layer, L"SetScore", Args(row)(score)); }
void GuiPiratesColumn::SetEff(int row, float eff) { Gui::Call(_layer, L"SetEff", Args(row)(eff)); }
void GuiPiratesColumn::SetName(int row, const char* text) { Gui::Call(_layer, L"SetName", Args(row)(text)); }
void GuiPiratesColumn::SetScoreText(int row, const char* text) { Gui::Call(_layer, L"SetScoreText", Args(row)(text)); }
void GuiPiratesColumn::SetEffText(int row, const char* text) { Gui::Call(_layer, L"SetEffText", Args(row)(text)); }
void GuiPiratesColumn::SetFace(int row, Material* face) { Gui::SetMaterial(Row(_faces, row), face); }
SpriteLayer* GuiPiratesColumn::GetFace(int row) const { return Row(_faces, row); }
