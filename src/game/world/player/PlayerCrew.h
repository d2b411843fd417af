#pragma once
// The player's crew: a place holder that nothing creates.
class PlayerCrew
{
public:
    virtual ~PlayerCrew() = default;
    virtual void Initialize() {}
    virtual void Proceed() {}
    virtual void ShutDown() {}
};
