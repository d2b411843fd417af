-- Devices the hangar fits: "type" is the category (0 weapons, 1 armour, 2 power, 3 additional) and
-- "subType" the slot in it; "name" is a texts code. A new pilot's ship is fitted with seventeen
-- of these by identifier, one per slot of categories 0 to 2. Wing weapons name a base model that
-- the hangar completes with the race of the hull covering.

Devices.el_1 =
{
	name = "ui_devices_asp_cannon_course_a";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_cannon_course_asp_a.mod";
	type = 0;
	subType = 0;
	race = 1;
	priority = 1;
	primaryWeaponCount = 1;
	weaponPrototypeLinkUid = 101;
	uid = 31111;
};

Devices.el_2 =
{
	name = "ui_devices_asp_front_cannon_a";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_front_cannon_asp_a.mod";
	type = 0;
	subType = 1;
	race = 1;
	priority = 2;
	weaponPrototypeLinkUid = 105;
	uid = 13213;
};

Devices.el_3 =
{
	name = "ui_devices_asp_front_cannon_b";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_front_cannon_asp_b.mod";
	type = 0;
	subType = 1;
	race = 1;
	priority = 3;
	weaponPrototypeLinkUid = 106;
	uid = 1001;
};

Devices.el_4 =
{
	name = "ui_devices_asp_wing_cannons_a";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_wing_cannon.mod";
	type = 0;
	subType = 2;
	race = 1;
	priority = 4;
	primaryWeaponCount = 2;
	weaponPrototypeLinkUid = 102;
	uid = 28937;
};

Devices.el_5 =
{
	name = "ui_devices_asp_wing_launchers_a";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_wing_launcher.mod";
	type = 0;
	subType = 3;
	race = 1;
	priority = 5;
	secondaryWeaponCount = 2;
	weaponPrototypeLinkUid = 103;
	uid = 4683;
};

Devices.el_6 =
{
	name = "ui_devices_asp_wing_torpedoes_a";
	guiMaterial = "devices/weapons.mat";
	renderAsset = "pl_wing_torpedo.mod";
	type = 0;
	subType = 4;
	race = 1;
	priority = 6;
	secondaryWeaponCount = 2;
	weaponPrototypeLinkUid = 104;
	uid = 5598;
};

Devices.el_7 =
{
	name = "ui_devices_asp_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_asp_a.mod";
	type = 1;
	subType = 0;
	race = 1;
	priority = 7;
	armor = 300;
	structure = 200;
	armorRegen = 1;
	uid = 8855;
};

Devices.el_8 =
{
	name = "ui_devices_asp_armor_c_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_armor_c_asp_a.mod";
	renderAsset1 = "pl_armor_c_asp_a.mod";
	type = 1;
	subType = 2;
	race = 1;
	priority = 8;
	armor = 150;
	structure = 50;
	uid = 20584;
};

Devices.el_9 =
{
	name = "ui_devices_asp_armor_k_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_armor_k_asp_a.mod";
	renderAsset1 = "pl_armor_k_asp_a.mod";
	type = 1;
	subType = 3;
	race = 1;
	priority = 9;
	armor = 150;
	structure = 50;
	uid = 590;
};

Devices.el_10 =
{
	name = "ui_devices_asp_armor_p_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_armor_p_asp_a.mod";
	type = 1;
	subType = 5;
	race = 1;
	priority = 10;
	armor = 100;
	armorRegen = 0.5;
	uid = 8404;
};

Devices.el_11 =
{
	name = "ui_devices_asp_armor_s_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_armor_s_asp_a.mod";
	renderAsset1 = "pl_armor_s_asp_a.mod";
	renderAsset2 = "pl_armor_s_asp_a.mod";
	type = 1;
	subType = 6;
	race = 1;
	priority = 11;
	armor = 120;
	uid = 29404;
};

Devices.el_12 =
{
	name = "ui_devices_asp_armor_z_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_armor_z_asp_a.mod";
	renderAsset1 = "pl_armor_z_asp_a.mod";
	renderAsset2 = "pl_armor_z_asp_a.mod";
	renderAsset3 = "pl_armor_z_asp_a.mod";
	type = 1;
	subType = 7;
	race = 1;
	priority = 12;
	armor = 120;
	uid = 24388;
};

Devices.el_13 =
{
	name = "ui_devices_asp_cockpit_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_cockpit_asp_a.mod";
	renderAsset1 = "pl_cockpit_rear_asp_a.mod";
	type = 1;
	subType = 8;
	race = 1;
	priority = 13;
	shield = 100;
	structure = 100;
	uid = 32285;
};

Devices.el_14 =
{
	name = "ui_devices_asp_reactor_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_reactor_asp_a.mod";
	type = 2;
	subType = 0;
	race = 1;
	priority = 14;
	shield = 600;
	shieldRegen = 10;
	uid = 7719;
};

Devices.el_15 =
{
	name = "ui_devices_asp_reactor_console_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_reactor_console_asp_a.mod";
	type = 2;
	subType = 1;
	race = 1;
	priority = 15;
	shield = 200;
	shieldRegen = 5;
	uid = 16703;
};

Devices.el_16 =
{
	name = "ui_devices_asp_engine_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_engine_asp_a.mod";
	type = 2;
	subType = 2;
	race = 1;
	priority = 16;
	speed = 150;
	acceleration = 20;
	speedAng = 30;
	accelerationAng = 10;
	uid = 33662;
};

Devices.el_17 =
{
	name = "ui_devices_asp_engine_drive_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_engine_drive_asp_a.mod";
	type = 2;
	subType = 3;
	race = 1;
	priority = 17;
	speed = 100;
	acceleration = 15;
	flightModel = 2;
	uid = 31673;
};

Devices.el_18 =
{
	name = "ui_devices_asp_engine_drive_center_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_engine_drive_asp_ac.mod";
	type = 2;
	subType = 4;
	race = 1;
	priority = 18;
	speed = 50;
	acceleration = 10;
	flightModel = 1;
	uid = 31679;
};

Devices.el_19 =
{
	name = "ui_devices_asp_add_internal_a";
	guiMaterial = "devices/additional.mat";
	renderAsset = "pl_add_internal_asp_a.mod";
	type = 3;
	subType = 0;
	race = 1;
	priority = 19;
	structureRegen = 2;
	uid = 1002;
};

Devices.el_20 =
{
	name = "ui_devices_asp_add_external_a";
	guiMaterial = "devices/additional.mat";
	renderAsset = "pl_add_external_asp_a.mod";
	type = 3;
	subType = 1;
	race = 1;
	priority = 20;
	shield = 100;
	uid = 1003;
};

Devices.el_21 =
{
	name = "ui_devices_blg_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_blg_a.mod";
	type = 1;
	subType = 0;
	race = 2;
	priority = 1;
	armor = 350;
	structure = 180;
	armorRegen = 1;
	uid = 2001;
};

Devices.el_22 =
{
	name = "ui_devices_fslk_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_fslk_a.mod";
	type = 1;
	subType = 0;
	race = 3;
	priority = 1;
	armor = 350;
	structure = 180;
	armorRegen = 1;
	uid = 3001;
};

Devices.el_23 =
{
	name = "ui_devices_rtb_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_rtb_a.mod";
	type = 1;
	subType = 0;
	race = 4;
	priority = 1;
	armor = 350;
	structure = 180;
	armorRegen = 1;
	uid = 4001;
};

Devices.el_24 =
{
	name = "ui_devices_sha_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_sha_a.mod";
	type = 1;
	subType = 0;
	race = 5;
	priority = 1;
	armor = 350;
	structure = 180;
	armorRegen = 1;
	uid = 5001;
};

Devices.el_25 =
{
	name = "ui_devices_tld_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_tld_a.mod";
	type = 1;
	subType = 0;
	race = 7;
	priority = 1;
	armor = 350;
	structure = 180;
	armorRegen = 1;
	uid = 7001;
};

Devices.el_26 =
{
	name = "ui_devices_ytg_covered_a";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_ytg_a.mod";
	type = 1;
	subType = 0;
	race = 8;
	priority = 1;
	armor = 400;
	structure = 150;
	armorRegen = 1.5;
	uid = 8001;
};

Devices.el_27 =
{
	name = "ui_devices_ytg_covered_b";
	guiMaterial = "devices/armor.mat";
	renderAsset = "pl_covered_ytg_b.mod";
	type = 1;
	subType = 0;
	race = 8;
	priority = 2;
	armor = 500;
	structure = 250;
	armorRegen = 1;
	uid = 8002;
};

Devices.el_28 =
{
	name = "ui_devices_ytg_engine_drive_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_engine_drive_ytg_a.mod";
	type = 2;
	subType = 3;
	race = 8;
	priority = 3;
	speed = 140;
	acceleration = 25;
	flightModel = 4;
	uid = 8003;
};

Devices.el_29 =
{
	name = "ui_devices_ytg_engine_drive_center_a";
	guiMaterial = "devices/power.mat";
	renderAsset = "pl_engine_drive_ytg_ac.mod";
	type = 2;
	subType = 4;
	race = 8;
	priority = 4;
	speed = 70;
	acceleration = 15;
	flightModel = 3;
	uid = 8004;
};

