// The hangar's mesh table: which models each device's mount shows, and where.
#include "gui/hangar/ConstructionAngar.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/profiles/UserProfile.h"
#include "layers/widgets/GuiWidget.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const EngineFlames = "pl_engine_drive_ytg.pse";

bool Named(const char* asset) { return asset && asset[0] != '\0'; }

bool EndsWith(const std::string& text, const char* tail)
{
    const size_t length = std::strlen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

} // namespace

void ConstructionAngar::SwitchDevice(DeviceType* device, int type, int subType)
{
    ProfileShip* ship = Ship();
    if (!device || !ship)
        return;
    ship->AddDevice(device);
    UpdateStatisticks();
    const DeviceType& d = *device;
    switch (type * 16 + subType)
    {
    case 0x00: SwitchCannonCourse(d.renderAsset); break;
    case 0x01: SwitchFrontCannon(d.renderAsset); break;
    case 0x02: SwitchWingsCannons(d.renderAsset); break;
    case 0x03: SwitchWingsLaunchers(d.renderAsset); break;
    case 0x04: SwitchWingsTorpeds(d.renderAsset); break;
    case 0x10:
        _hullRace = d.race;
        SwitchCovered(d.renderAsset, d.renderAsset1);
        break;
    case 0x12: SwitchArmorC(d.renderAsset, d.renderAsset1); break;
    case 0x13: SwitchArmorK(d.renderAsset, d.renderAsset1, d.renderAsset2, d.renderAsset3); break;
    case 0x15: SwitchArmorP(d.renderAsset); break;
    case 0x16: SwitchArmorS(d.renderAsset, d.renderAsset1, d.renderAsset2); break;
    case 0x17: SwitchArmorZ(d.renderAsset, d.renderAsset1, d.renderAsset2, d.renderAsset3); break;
    case 0x18: SwitchCockpit(d.renderAsset, d.renderAsset1); break;
    case 0x20: SwitchReactor(d.renderAsset); break;
    case 0x21: SwitchReactorConsole(d.renderAsset); break;
    case 0x22: SwitchEngine(d.renderAsset); break;
    case 0x23: SwitchEngineDrive(d.renderAsset); break;
    case 0x24: SwitchEngineDriveCenter(d.renderAsset); break;
    case 0x25: SwitchReactorDrive(d.renderAsset); break;
    case 0x26: SwitchReactorCompressor(d.renderAsset); break;
    case 0x30: SwitchAddIntr(d.renderAsset); break;
    case 0x31: SwitchAddExtr(d.renderAsset); break;
    default: break;
    }
}

void ConstructionAngar::Clear(Mount& mount)
{
    RenderScene* scene = game.GetRenderScene();
    for (Model*& model : mount.models)
    {
        if (scene && model)
            scene->DestroyNode(model);
        model = nullptr;
    }
}

// A mount with no file named stays empty: an empty name is no file.
Model* ConstructionAngar::Create(const char* file, Bone* parent, bool mirrored)
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene || !parent || !Named(file))
        return nullptr;
    Model* model = scene->CreateModel(file, SL_STAGE);
    parent->Attach(model);
    if (mirrored)
        model->SetScale(-1.0f, 1.0f, 1.0f);
    return model;
}

// Only a trailing ".mod" is cut from the asset's name, however short it is.
std::string ConstructionAngar::WingFile(const char* asset, const char* variant) const
{
    std::string base(asset);
    if (EndsWith(base, ".mod"))
        base.resize(base.size() - 4);
    const UserProfile* profile = Profile();
    const char* code =
        profile ? profile->ConvertRaceToString(_hullRace, true) : UserProfile::ConvertRaceToCode(_hullRace);
    return base + "_" + code + variant + ".mod";
}

void ConstructionAngar::SwitchWingPair(Mount& mount, char (&buffer)[256], const char* asset, bool variant)
{
    Clear(mount);
    Gui::CopyText(buffer, sizeof(buffer), asset);
    if (!Named(asset))
        return;
    // The "_b" hull (its name ends in "b.mod") carries the "_b" wing cannons.
    const size_t hull = std::strlen(_coveredAsset);
    const bool b = variant && hull > 5 && _coveredAsset[hull - 5] == 'b';
    const std::string file = WingFile(asset, b ? "_b" : "");
    mount.models[0] = Create(file.c_str(), _parts[PART_LEFT]);
    mount.models[1] = Create(file.c_str(), _parts[PART_RIGHT], true);
}

void ConstructionAngar::SwitchSingle(Mount& mount, const char* asset, Bone* parent)
{
    Clear(mount);
    mount.models[0] = Create(asset, parent);
}

void ConstructionAngar::SwitchWingsCannons(const char* asset)
{
    SwitchWingPair(_wingCannons, _wingCannonAsset, asset, true);
}

void ConstructionAngar::SwitchWingsLaunchers(const char* asset)
{
    SwitchWingPair(_wingLaunchers, _wingLauncherAsset, asset, false);
}

void ConstructionAngar::SwitchWingsTorpeds(const char* asset)
{
    SwitchWingPair(_wingTorpeds, _wingTorpedAsset, asset, false);
}

void ConstructionAngar::SwitchCannonCourse(const char* asset) { SwitchSingle(_cannonCourse, asset, _root); }

// The front cannon and the external addition share the nose: the ship's flag says which.
void ConstructionAngar::SwitchFrontCannon(const char* asset)
{
    Clear(_frontCannon);
    _frontCannon.models[0] = Create(asset, _root);
    Clear(_addExtr);
    if (ProfileShip* ship = Ship())
        ship->SetFlag(1);
}

void ConstructionAngar::SwitchAddExtr(const char* asset)
{
    Clear(_addExtr);
    _addExtr.models[0] = Create(asset, _root);
    Clear(_frontCannon);
    if (ProfileShip* ship = Ship())
        ship->SetFlag(0);
}

void ConstructionAngar::SwitchAddIntr(const char* asset) { SwitchSingle(_addIntr, asset, _root); }

// The wing weapons follow the new hull's race and variant at once.
void ConstructionAngar::SwitchCovered(const char* left, const char* right)
{
    Gui::CopyText(_coveredAsset, sizeof(_coveredAsset), left);
    Clear(_covered);
    _covered.models[0] = Create(left, _parts[PART_LEFT]);
    if (Named(right))
        _covered.models[1] = Create(right, _parts[PART_RIGHT]);
    else
        _covered.models[1] = Create(left, _parts[PART_RIGHT], true);
    ProfileShip* ship = Ship();
    for (unsigned i = 0; ship && i < ship->GetDeviceCount(); ++i)
    {
        DeviceType* device = ship->GetDeviceByIndex(i);
        const int type = int(device->type), subType = int(device->subType);
        if (type == 0 && subType >= 2 && subType <= 4)
            SwitchDevice(device, type, subType);
    }
}

void ConstructionAngar::SwitchArmorC(const char* first, const char* second)
{
    Clear(_armorC);
    _armorC.models[0] = Create(first, _root);
    _armorC.models[1] = Create(second, _root);
}

void ConstructionAngar::SwitchArmorK(const char* first, const char* second, const char* third, const char* fourth)
{
    Clear(_armorK);
    _armorK.models[0] = Create(first, _root);
    _armorK.models[1] = Create(second, _root);
    const bool mirrored = !Named(third);
    _armorK.models[2] = Create(mirrored ? first : third, _root, mirrored);
    _armorK.models[3] = Create(mirrored ? second : fourth, _root, mirrored);
}

void ConstructionAngar::SwitchArmorP(const char* asset) { SwitchSingle(_armorP, asset, _parts[PART_PLATING]); }

void ConstructionAngar::SwitchArmorS(const char* first, const char* second, const char* third)
{
    Clear(_armorS);
    _armorS.models[0] = Create(first, _root);
    _armorS.models[1] = Create(second, _root);
    _armorS.models[2] = Create(third, _root);
}

void ConstructionAngar::SwitchArmorZ(const char* first, const char* second, const char* third, const char* fourth)
{
    Clear(_armorZ);
    const char* assets[4] = {first, second, third, fourth};
    for (int i = 0; i < 4; ++i)
        _armorZ.models[i] = Create(assets[i], _root);
}

void ConstructionAngar::SwitchCockpit(const char* front, const char* rear)
{
    Clear(_cockpit);
    _cockpit.models[0] = Create(front, _parts[PART_COCKPIT_FRONT]);
    _cockpit.models[1] = Create(rear, _parts[PART_COCKPIT_REAR]);
}

void ConstructionAngar::SwitchReactor(const char* asset) { SwitchSingle(_reactor, asset, _root); }

void ConstructionAngar::SwitchReactorConsole(const char* asset) { SwitchSingle(_reactorConsole, asset, _root); }

void ConstructionAngar::SwitchEngine(const char* asset) { SwitchSingle(_engine, asset, _root); }

void ConstructionAngar::SwitchReactorDrive(const char* asset) { SwitchSingle(_reactorDrive, asset, _root); }

void ConstructionAngar::SwitchReactorCompressor(const char* asset) { SwitchSingle(_reactorCompressor, asset, _root); }

void ConstructionAngar::SwitchEngineDrive(const char* asset)
{
    Clear(_engineDrive);
    Model* drive = _engineDrive.models[0] = Create(asset, _root);
    if (!drive)
        return;
    if (std::strcmp(asset, "pl_engine_drive_ytg_a.mod") == 0)
        AddFlames(drive, 2, false);
    else if (std::strcmp(asset, "pl_engine_drive_ytg_b.mod") == 0)
        AddFlames(drive, 2, true);
}

void ConstructionAngar::SwitchEngineDriveCenter(const char* asset)
{
    Clear(_engineDriveCenter);
    Model* drive = _engineDriveCenter.models[0] = Create(asset, _root);
    if (drive && (std::strcmp(asset, "pl_engine_drive_ytg_ac.mod") == 0 ||
                  std::strcmp(asset, "pl_engine_drive_ytg_bc.mod") == 0))
        AddFlames(drive, 1, true);
}

// A drive model without a flame bone goes without that flame.
void ConstructionAngar::AddFlames(Model* drive, int count, bool setBack)
{
    RenderScene* scene = game.GetRenderScene();
    EmitterMgr* emitters = game.GetEmitterManager();
    for (int n = 1; scene && n <= count; ++n)
    {
        char name[16];
        std::snprintf(name, sizeof(name), "Omni0%d", n);
        Bone* bone = drive->FindBone(Name(name));
        if (!bone)
            continue;
        Emitter* emitter = scene->CreateEmitter(SL_STAGE);
        if (emitters)
            emitters->Load(EngineFlames, emitter);
        bone->Attach(emitter);
        if (setBack)
            emitter->SetPosition(0.0f, 0.0f, -50.0f);
    }
}
