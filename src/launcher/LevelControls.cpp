#include "launcher/LevelControls.h"

#include "game/core/level/SingleLevel.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "scene/particles/ParticleSet.h"

bool LevelControls::IsLoaded() const { return _level && _level->IsExist(); }

Player* LevelControls::GetPlayer() const { return IsLoaded() ? _level->GetPlayer() : nullptr; }

FlightModel* LevelControls::GetFlightModel() const
{
    const Player* player = GetPlayer();
    return player ? player->GetFlightModel() : nullptr;
}

void LevelControls::AddInertia(float amount)
{
    if (FlightModel* model = GetFlightModel())
        model->AddInertia(amount);
}

void LevelControls::AddPitchCoeff(float amount)
{
    if (FlightModel* model = GetFlightModel())
        model->AddPitchCoeff(amount);
}

void LevelControls::AddYawCoeff(float amount)
{
    if (FlightModel* model = GetFlightModel())
        model->AddYawCoeff(amount);
}

void LevelControls::SetFlightModel(int model)
{
    if (Player* player = GetPlayer())
        player->SetFlightModel(model);
}

void LevelControls::ToggleDebugMode()
{
    if (FlightModel* model = GetFlightModel())
        model->ToggleDebugMode();
}

void LevelControls::EnableCameraDust(bool enable)
{
    Player* player = GetPlayer();
    if (ParticleSet* dust = player ? player->GetCameraParticles().GetParticleSet() : nullptr)
        dust->Enable(enable);
}
