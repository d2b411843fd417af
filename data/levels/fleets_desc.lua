-- The fleets meet under a starry nebula; the sun stands high on the left.
LevelDesc.Background = {
    env = "sky/nebula.mat";
    debrisType = "rock";
    sunDir = { x = -300; y = 150; z = 600 };
    sunAmbient = { r = 0.3; g = 0.3; b = 0.35; power = 1 };
    sunDiffuse = { r = 1; g = 0.95; b = 0.85; power = 1.2 };
    sunSpecular = { r = 1; g = 1; b = 0.9; power = 0.8 };
};
