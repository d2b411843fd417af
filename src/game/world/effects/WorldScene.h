#pragma once
// How the effects and weapons reach the game's scene, render resources and settings: through
// the global game, each answer null (or the default) while the game lacks that service.
class EmitterMgr;
class Material;
class Mesh;
class Player;
class RenderScene;

RenderScene* GetWorldScene();
// Null without a mission or before the player is made.
Player* GetMissionPlayer();
EmitterMgr* GetWorldEmitterMgr();
// Loaded once and shared by name; a file that cannot be read gives the render device's stand-in.
Material* LoadWorldMaterial(const char* name);
Mesh* LoadWorldMesh(const char* name);
// The game settings' "DynLighting": point lights on hits and explosions.
bool IsDynLighting();
// The game settings' "Language", the folder of the voice files.
const char* GetWorldLanguage();
// The game settings' "Difficulty", 1 to 3.
int GetWorldDifficulty();
