#pragma once

// The place of a sky box or sky sphere around the scene; it holds no sky yet.
class Environment
{
public:
    bool CreateAsSkybox() { return true; }
    bool CreateAsSkysphere() { return true; }
};
