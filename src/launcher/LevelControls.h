#pragma once

#include "launcher/MissionControls.h"

class FlightModel;
class Player;
class SingleLevel;

// The mission controls over the mission frame's player: each does nothing while no mission is
// loaded or the player has no flight model or dust.
class LevelControls : public IMissionControls
{
public:
    explicit LevelControls(SingleLevel* level) : _level(level) {}

    bool IsLoaded() const override;
    void AddInertia(float amount) override;
    void AddPitchCoeff(float amount) override;
    void AddYawCoeff(float amount) override;
    void SetFlightModel(int model) override;
    void ToggleDebugMode() override;
    void EnableCameraDust(bool enable) override;

private:
    Player* GetPlayer() const;
    FlightModel* GetFlightModel() const;

    SingleLevel* _level;
};
