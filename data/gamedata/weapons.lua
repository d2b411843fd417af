-- Weapons of the computer's ships. "classname" picks the weapon kind: "Burst" fires bolts,
-- "Rocket" launches rockets and torpedoes, "Lazer" fires beams.

Weapons.el_1 =
{
	name = "Blaster00";
	classname = "Burst";
	damage = 8.0;
	speed = 700;
	lifetime = 1.5;
	delay = 0.4;
	distance = 1000;
	autoAimAngle = 5;
	material = "burst_ytg.mat";
	color = -16744193;
	player = 0;
	uid = 1;
};

Weapons.el_2 =
{
	name = "Blaster01";
	classname = "Burst";
	damage = 12.0;
	speed = 700;
	lifetime = 1.5;
	delay = 0.35;
	distance = 1000;
	autoAimAngle = 5;
	material = "burst_ytg.mat";
	color = -16744193;
	player = 0;
	uid = 2;
};

Weapons.el_3 =
{
	name = "BlgBlaster00";
	classname = "Burst";
	damage = 10.0;
	speed = 800;
	lifetime = 1.4;
	delay = 0.3;
	distance = 1100;
	autoAimAngle = 5;
	material = "burst_blg.mat";
	color = -32768;
	player = 0;
	uid = 3;
};

Weapons.el_4 =
{
	name = "BlgBlaster01Huge";
	classname = "Burst";
	damage = 25.0;
	speed = 600;
	lifetime = 2;
	delay = 0.8;
	distance = 1200;
	material = "burst_blg.mat";
	color = -32768;
	player = 0;
	uid = 4;
};

Weapons.el_5 =
{
	name = "BlgBlaster03Huge";
	classname = "Burst";
	damage = 30.0;
	speed = 600;
	lifetime = 2;
	delay = 1.0;
	distance = 1200;
	material = "burst_blg.mat";
	color = -32768;
	player = 0;
	uid = 5;
};

Weapons.el_6 =
{
	name = "Torpeda01";
	classname = "Rocket";
	damage = 200.0;
	speed = 250;
	acceleration = 100;
	lifetime = 6;
	delay = 5;
	distance = 1500;
	amount = 4;
	regime = 1;
	splashRadius = 60;
	renderAsset = "torpeda_00.mod";
	physAsset = "torpeda_00.mdl";
	stripMaterial = "torpeda_strip_00.mat";
	particles = "torpeda_00.pse";
	player = 0;
	uid = 6;
};

Weapons.el_7 =
{
	name = "RtbBlaster00";
	classname = "Burst";
	damage = 9.0;
	speed = 750;
	lifetime = 1.4;
	delay = 0.3;
	distance = 1000;
	autoAimAngle = 5;
	material = "burst_rtb.mat";
	color = -65536;
	player = 0;
	uid = 7;
};

Weapons.el_8 =
{
	name = "BlasterMini00";
	classname = "Lazer";
	damage = 5.0;
	speed = 2000;
	lifetime = 0.5;
	delay = 0.2;
	energyUse = 2;
	distance = 1000;
	player = 0;
	uid = 8;
};


-- The gun of the ytg station turrets.
Weapons.TurretSush00 =
{
	name = "TurretSush00";
	classname = "Burst";
	damage = 10.0;
	speed = 800;
	lifetime = 2.0;
	delay = 0.5;
	distance = 1600;
	autoAimAngle = 5;
	material = "burst_ytg.mat";
	color = -16744193;
	player = 0;
};

-- The guns of the Blg's light fighter and of the Ytg runner.
Weapons.el_9 =
{
	name = "BlgBlaster02";
	classname = "Burst";
	damage = 8.0;
	speed = 850;
	lifetime = 1.3;
	delay = 0.25;
	distance = 1100;
	autoAimAngle = 5;
	material = "burst_blg.mat";
	color = -32768;
	player = 0;
	uid = 9;
};

Weapons.el_10 =
{
	name = "BomberBlaster00";
	classname = "Burst";
	damage = 20.0;
	speed = 600;
	lifetime = 2.0;
	delay = 0.8;
	distance = 1400;
	autoAimAngle = 5;
	material = "burst_ytg.mat";
	color = -16744193;
	player = 0;
	uid = 10;
};
