#pragma once
// A weapon's small energy store: regenerates 10 units a second up to 100 and refuses a
// request it cannot meet.
class EnergySystem
{
public:
    void Initialize() {}
    void ShutDown() {}
    void Proceed();
    // False, and nothing used, when the store holds less than the amount.
    bool UseEnergy(float amount);
    float GetCurEnergyLevel() const { return _current; }
    float GetMaxEnergyLevel() const { return _maximum; }

private:
    float _current = 100;
    float _maximum = 100;
};
