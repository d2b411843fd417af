#pragma once
// The player's warnings: a place holder that does nothing.
class WarningSystem
{
public:
    void Initialize() {}
    void Proceed() {}
    void ShutDown() {}
};
