#pragma once
// The screen flash on a hit: blue for a shield hit, red for a hull hit, fading over a second.
#include "foundation/math/Color.h"

class Material;
class Player;

class UIHit
{
public:
    explicit UIHit(Player* player);

    // Loads "hit.mat".
    void Initialize();
    void Proceed();
    // Full intensity; `shield`: whether the shield took the hit.
    void DoDamage(bool shield);
    void ShutDown() {}

    float GetIntensity() const { return _intensity; }
    // The tint of the flash as it is now.
    Color GetFlashColor() const;

private:
    float _intensity = 0;
    bool _shield = true;
    Player* _player; // not owned
    Material* _material = nullptr;
};
