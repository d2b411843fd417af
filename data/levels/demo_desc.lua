-- The demo mission: a rock field under the warm sun of the Arrdra system.
LevelDesc.Background = {
    env = "sky/arrdra.mat";
    debrisType = "rock";
    sunDir = { x = 0.6; y = -0.3; z = 0.74 };
    sunAmbient = { r = 0.25; g = 0.22; b = 0.2; power = 1 };
    sunDiffuse = { r = 1; g = 0.9; b = 0.75; power = 1.2 };
    sunSpecular = { r = 1; g = 0.95; b = 0.85; power = 0.8 };
};
