#include "game/core/level/LevelProgress.h"

LevelProgress::~LevelProgress() { ShutDown(); }

void LevelProgress::Initialize() { _initialised = true; }

void LevelProgress::Draw() {}

void LevelProgress::ShutDown() { _initialised = false; }

void LevelProgress::SetProgress(float) {}
