#include "gui/hangar/GuiConstructionAngar.h"

#include "gui/hangar/GuiDeviceParams.h"
#include "gui/hangar/GuiDeviceTypeSelection.h"
#include "gui/hangar/GuiDevicesBalance.h"
#include "gui/hangar/GuiHangarWidgets.h"
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
    _tips.reset();
}

void GuiConstructionAngar::Proceed()
{
    if (_balance)
        _balance->Proceed();
}

void GuiConstructionAngar::SetDeviceType(int category)
{
    _deviceType = category;
    if (_typeSelection)
        _typeSelection->SetDeviceType(category);
}
