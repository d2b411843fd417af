#include "gui/multiplayer/MultiplayerPage.h"

#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTitle.h"

MultiplayerPage::MultiplayerPage() = default;

MultiplayerPage::~MultiplayerPage() = default;

void MultiplayerPage::Load(const char* titleCode, const char* const (&headerCodes)[HeaderCount])
{
    _title = std::make_unique<GuiTitle>();
    _title->Load()->SetTitle(GuiGame::Text(titleCode));
    _tips = std::make_unique<GuiTipsPanel>();
    _tips->Load();
    _personal_info = std::make_unique<GuiPersonalInfo>();
    _personal_info->Load();
    const Vec2 positions[HeaderCount] = {{30.0f, 198.0f}, {480.0f, 198.0f}, {930.0f, 198.0f}};
    const int aligns[HeaderCount] = {GA_LEFT, GA_CENTER, GA_RIGHT};
    for (int i = 0; i < HeaderCount; ++i)
    {
        _headers[i] = std::make_unique<GuiTitleButton>();
        _headers[i]->Load(positions[i], aligns[i])->SetCaption(GuiGame::Text(headerCodes[i]));
    }
}

void MultiplayerPage::Unload()
{
    _title.reset();
    _tips.reset();
    _personal_info.reset();
    for (auto& header : _headers)
        header.reset();
}

GuiTitleButton* MultiplayerPage::GetHeader(int header) const
{
    return header >= 0 && header < HeaderCount ? _headers[header].get() : nullptr;
}
