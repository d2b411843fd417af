#include "gui/hangar/GuiConstructionAngar.h"

#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiDeviceTypeSelection.h"
#include "gui/hangar/GuiDevicesBalance.h"
#include "gui/hangar/GuiHangarWidgets.h"
#include "gui/hangar/GuiTopButtons.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiTitle.h"

GuiConstructionAngar::GuiConstructionAngar(IConstructionAngar* angar) : _angar(angar) {}

GuiConstructionAngar::~GuiConstructionAngar() { Unload(); }

void GuiConstructionAngar::Load()
{
    Unload();
    _userJet = std::make_unique<GuiUserJet>();
    _shipInfo = std::make_unique<GuiShipInfo>();
    _deviceInfo = std::make_unique<GuiDeviceInfo>();
    _balance = std::make_unique<GuiDevicesBalance>(Vec2(22.0f, 303.0f));
    _rightTop = std::make_unique<GuiRightTop>();
    _screenWidth = LayerManager::GetWidth();
    _userJet->Load();
    _shipInfo->Load();
    _deviceInfo->Load();
    _typeSelection = std::make_unique<GuiDeviceTypeSelection>(_angar);
    _typeSelection->Load();
    _typeSelection->SetPos(Vec2(0.0f, 0.0f));
    _balance->Load();
    _rightTop->Load();
    _tips = std::make_unique<GuiTipsPanel>();
    _tips->Load();
    _topButtons = std::make_unique<GuiTopButtons>(_angar);
    _topButtons->Load();
    FillSlots();
    _topButtons->InitDefaultValues();
}

// The slots of the first three categories in the order the panel lists them; the additional
// devices' slots come in the order of their devices.
void GuiConstructionAngar::FillSlots()
{
    const struct
    {
        int category;
        int subTypes[7];
        int count;
    } order[3] = {
        {SDT_WEAPONRY, {1, 0, 2, 4, 3}, 5}, {SDT_ARMOR, {5, 6, 7, 8, 2, 3, 0}, 7}, {SDT_POWER, {3, 4, 0, 2, 1}, 5}};
    for (const auto& category : order)
    {
        for (int i = 0; i < category.count; ++i)
            _topButtons->GetSubDeviceType(
                category.category,
                IConstructionAngar::GetCategoryName(category.category, category.subTypes[i]).c_str());
    }
    const Base* base = game.GetBase();
    for (int i = 0; base && i < base->GetDeviceCount(); ++i)
    {
        auto device = std::make_unique<GuiDevice>(base->GetDeviceByIndex(i));
        const std::string slotName = IConstructionAngar::GetCategoryName(device->type, device->subType);
        GuiSubDevice* slot = _topButtons->GetSubDeviceType(device->type, slotName.c_str());
        if (_topButtons->AddDevice(slot, device.get()))
            device.release();
    }
}

void GuiConstructionAngar::Unload()
{
    if (_userJet)
        _userJet->Unload();
    if (_shipInfo)
        _shipInfo->Unload();
    if (_deviceInfo)
        _deviceInfo->Unload();
    if (_typeSelection)
        _typeSelection->Unload();
    if (_balance)
        _balance->Unload();
    if (_rightTop)
        _rightTop->Unload();
    _userJet.reset();
    _shipInfo.reset();
    _deviceInfo.reset();
    _typeSelection.reset();
    _balance.reset();
    _rightTop.reset();
    _topButtons.reset();
    _tips.reset();
}

void GuiConstructionAngar::Proceed()
{
    if (_topButtons)
        _topButtons->Proceed();
    if (_balance)
        _balance->Proceed();
}

void GuiConstructionAngar::SetDeviceType(int category)
{
    _deviceType = category;
    if (_typeSelection)
        _typeSelection->SetDeviceType(category);
}
