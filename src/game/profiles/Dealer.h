#pragma once
// A money lender of the campaign: the interest in percent and the cash left to lend.

class Dealer
{
public:
    Dealer(const char* name, const char* icon, const char* race, float perc, float cash);

    const char* GetName() const { return _name; }
    // The face's material.
    const char* GetIcon() const { return _icon; }
    // The race code ("ASP", ...).
    const char* GetRace() const { return _race; }
    float GetPerc() const { return _perc; }
    void SetPerc(float perc) { _perc = perc; }
    float GetCash() const { return _cash; }
    void SetCash(float cash) { _cash = cash; }

private:
    char _name[32] = {};
    char _icon[64] = {};
    char _race[16] = {};
    float _perc = 0;
    float _cash = 0;
};
