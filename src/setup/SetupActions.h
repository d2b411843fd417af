#pragma once

// The flight actions the controls page binds, in grid order, with the axis group that covers
// both rows of a pair (null for button-only actions).
struct SetupAction
{
    const char* action;
    const char* group;
};

inline constexpr int SetupActionsCount = 15;

inline constexpr SetupAction SetupActions[SetupActionsCount] = {
    {"Yaw+", "Yaw"},
    {"Yaw-", "Yaw"},
    {"Pitch+", "Pitch"},
    {"Pitch-", "Pitch"},
    {"Roll+", "Roll"},
    {"Roll-", "Roll"},
    {"Fire1", nullptr},
    {"Fire2", nullptr},
    {"PickNearestTarget", nullptr},
    {"PickBestVisibleTarget", nullptr},
    {"SwitchPrimary", nullptr},
    {"SwitchSecondary", nullptr},
    {"Boost", nullptr},
    {"SpeedUp", "Speed"},
    {"SpeedDown", "Speed"},
};
