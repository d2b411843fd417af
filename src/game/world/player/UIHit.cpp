#include "game/world/player/UIHit.h"

UIHit::UIHit(Player* player) : _player(player) {}

void UIHit::Initialize() {}

void UIHit::Proceed() {}

void UIHit::DoDamage(bool) {}
