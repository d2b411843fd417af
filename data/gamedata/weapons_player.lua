-- Weapons of the player's ship: the four standard weapons are named "<race code>PlayerBlaster00",
-- "...PlayerBlaster01", "...PlayerRocket00" and "...PlayerTorpeda00"; front cannons link theirs
-- by identifier.

Weapons.el_1 =
{
	name = "ASPPlayerBlaster00";
	classname = "Burst";
	damage = 20.0;
	speed = 900;
	lifetime = 1.2;
	delay = 0.15;
	energyUse = 1;
	distance = 1100;
	firePoints = 2;
	material = "burst_asp.mat";
	color = -16711681;
	player = 1;
	uid = 101;
};

Weapons.el_2 =
{
	name = "ASPPlayerBlaster01";
	classname = "Burst";
	damage = 14.0;
	speed = 900;
	lifetime = 1.2;
	delay = 0.1;
	energyUse = 1;
	distance = 1100;
	firePoints = 2;
	material = "burst_asp.mat";
	color = -16711681;
	player = 1;
	uid = 102;
};

Weapons.el_3 =
{
	name = "ASPPlayerRocket00";
	classname = "Rocket";
	damage = 120.0;
	speed = 400;
	acceleration = 200;
	lifetime = 4;
	delay = 0.8;
	distance = 1600;
	autoAimAngle = 15;
	amount = 24;
	firePoints = 2;
	renderAsset = "rocket_00.mod";
	physAsset = "rocket_00.mdl";
	stripMaterial = "rocket_strip_00.mat";
	particles = "rocket_00.pse";
	player = 1;
	uid = 103;
};

Weapons.el_4 =
{
	name = "ASPPlayerTorpeda00";
	classname = "Rocket";
	damage = 400.0;
	speed = 250;
	acceleration = 100;
	lifetime = 6;
	delay = 2;
	distance = 1500;
	amount = 6;
	regime = 1;
	firePoints = 2;
	splashRadius = 80;
	renderAsset = "torpeda_00.mod";
	physAsset = "torpeda_00.mdl";
	stripMaterial = "torpeda_strip_00.mat";
	particles = "torpeda_00.pse";
	player = 1;
	uid = 104;
};

Weapons.el_5 =
{
	name = "ASPPlayerRotation00";
	classname = "Burst";
	damage = 10.0;
	speed = 1000;
	lifetime = 1.0;
	delay = 0.05;
	energyUse = 0.5;
	distance = 1000;
	firePoints = 2;
	material = "burst_rotation.mat";
	color = -256;
	player = 1;
	uid = 105;
};

Weapons.el_6 =
{
	name = "ASPPlayerLazer00";
	classname = "Lazer";
	damage = 30.0;
	speed = 3000;
	lifetime = 0.4;
	delay = 0.3;
	energyUse = 5;
	distance = 1200;
	firePoints = 1;
	player = 1;
	uid = 106;
};

