#include "game/world/environment/Track.h"

Track::Track() : _name("(no_name)") {}

void Track::AddPoint(const Vec3&, unsigned) {}

void Track::PostInitialize() {}

void Track::OnRender(eSceneLayerType, Camera*, MaterialSystem*) {}

void Track::Sort() {}

void Track::RenderPoint(unsigned, MaterialSystem*) {}
