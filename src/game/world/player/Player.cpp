#include "game/world/player/Player.h"

#include "game/world/player/BoosterSystem.h"
#include "game/world/player/FlightModelComby.h"
#include "game/world/player/FlightModelDirect.h"
#include "game/world/player/FlightModelDuplex.h"
#include "game/world/player/FlightModelStrafe.h"
#include "game/world/player/UIHit.h"

Player::Player() = default;

Player::~Player() = default;

void Player::Initialize() {}

void Player::OnLevelStart() {}

void Player::Proceed() {}

void Player::ProceedInput() {}

void Player::SetFlightModel(int) {}

void Player::UpdateMovementParams() {}

void Player::SwitchPrimary() {}

void Player::SwitchSecondary() {}

void Player::PickBestVisibleTarget() {}

void Player::PickNearestTarget() {}

void Player::ShakeCamera(float) {}

void Player::HitEffect(bool) {}

void Player::SetViewMode(eViewMode mode) { _viewMode = mode; }

void Player::SwitchViewMode() {}

void Player::UpdateCamera() {}

void Player::UpdateSunFlare() {}
