#pragma once

#include "gui/hangar/IConstructionAngar.h"

#include <memory>

class GuiDeviceInfo;
class GuiDeviceTypeSelection;
class GuiDevicesBalance;
class GuiRightTop;
class GuiShipInfo;
class GuiTipsPanel;
class GuiTopButtons;
class GuiUserJet;

// The hangar screen: the panels of the hangar frame, built on its every load and freed when it
// is left. Every device of the game data is offered in the fitting panel's slot of its type and
// sub-type. The frame sends its events to the fitting panel itself.
class GuiConstructionAngar
{
public:
    explicit GuiConstructionAngar(IConstructionAngar* angar);
    ~GuiConstructionAngar();
    GuiConstructionAngar(const GuiConstructionAngar&) = delete;
    GuiConstructionAngar& operator=(const GuiConstructionAngar&) = delete;

    void Load();
    void Unload();
    void Proceed();
    // The category the panels show (ShipDeviceType).
    void SetDeviceType(int category);

    void EventUp() {}
    void EventDown() {}
    void EventLeft() {}
    void EventRight() {}
    void EventEnter() {}
    void EventEsc() {}
    void UpdateButtons() {}
    void ProceedKey(const char&) {}
    void AddChar(const char&) {}

    GuiTopButtons* GetTopButtons() const { return _topButtons.get(); }
    GuiShipInfo* GetShipInfo() const { return _shipInfo.get(); }
    GuiDevicesBalance* GetDevicesBalance() const { return _balance.get(); }
    GuiDeviceTypeSelection* GetDeviceTypeSelection() const { return _typeSelection.get(); }
    int GetDeviceType() const { return _deviceType; }
    int GetScreenWidth() const { return _screenWidth; }

private:
    void FillSlots();

    IConstructionAngar* _angar;
    std::unique_ptr<GuiTopButtons> _topButtons;
    std::unique_ptr<GuiUserJet> _userJet;
    std::unique_ptr<GuiShipInfo> _shipInfo;
    std::unique_ptr<GuiDeviceInfo> _deviceInfo;
    std::unique_ptr<GuiDeviceTypeSelection> _typeSelection;
    std::unique_ptr<GuiDevicesBalance> _balance;
    std::unique_ptr<GuiRightTop> _rightTop;
    int _deviceType = SDT_NONE;
    int _screenWidth = 0;
    std::unique_ptr<GuiTipsPanel> _tips;
};
