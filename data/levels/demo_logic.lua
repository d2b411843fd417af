-- The demo mission's logic: a briefing line after the start, won when no Ytg fighter is left.
LevelLogic.Trigger00 = {
    name = "briefing";
    isOnce = 1;
    isEnable = 1;
    Condition00 = { type = "conditionTimer"; timer = 2; isEnable = 1 };
    Action00 = {
        type = "actionTextMessage";
        message = "Clear the rock field of Ytg fighters";
        timeout = 4;
        isBlue = 1;
        parts = 4;
        isEnable = 1;
    };
};

LevelLogic.Trigger01 = {
    name = "victory";
    isOnce = 1;
    isEnable = 1;
    Condition00 = { type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countEqual = 0; isEnable = 1 };
    Action00 = { type = "actionMissionWin"; isEnable = 1 };
};
