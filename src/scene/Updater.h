#pragma once

// The sound manager's hook that the render scene calls once per frame, after the transforms.
class Updater
{
public:
    virtual ~Updater() = default;
    virtual void Update() = 0;
};
