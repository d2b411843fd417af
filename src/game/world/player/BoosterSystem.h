#pragma once
// The player's booster: while boosting it drains its energy and pushes the ship forward, then
// the push fades; energy refills at rest. The HUD reads the energy levels.
class PlayerShip;

class BoosterSystem
{
public:
    static constexpr float MaximumEnergy = 100;

    explicit BoosterSystem(PlayerShip* ship);

    void Initialize() {}
    void ShutDown() {}
    void Proceed();
    // Needs more than 5 units of energy.
    void StartBooster();
    void StopBooster();
    bool IsBoost() const { return _boosting; }
    float GetCurrentEnergyLevel() const { return _energy; }
    float GetMaximumEnergyLevel() const { return MaximumEnergy; }
    float GetBoostSpeed() const { return _boostSpeed; }

private:
    PlayerShip* _ship; // not owned
    float _boostSpeed = 0;
    float _maxBoostSpeed; // 4 times the profile ship's speed
    float _energy = MaximumEnergy;
    bool _boosting = false;
};
