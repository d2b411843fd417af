-- Ship prototypes. "classname" picks the ship class the mission creates; "dummy_shippart" is
-- the prototype of loose ship parts and "Player" that of the player's ship.

Ships.el_1 =
{
	name = "dummy_shippart";
	classname = "Ship";
	shield = 0;
	armor = 0;
	structure = 50;
	uid = 1;
};

Ships.el_2 =
{
	name = "Player";
	classname = "Player";
	race = 1;
	type = 1;
	render = "player_ship.mod";
	phys = "player_ship.mdl";
	speed = 300;
	acceleration = 50;
	dumping = 20;
	speedAng = 100;
	accelerationAng = 50;
	dumpingAng = 25;
	mass = 1.0;
	throttle = 20;
	collisionRadius = 14;
	uid = 2;
};

Ships.el_3 =
{
	name = "ytg_fighter_02";
	classname = "YtgFighter02";
	race = 8;
	type = 1;
	shield = 150;
	armor = 100;
	structure = 80;
	shieldRegen = 3;
	render = "ytg_fighter_02.mod";
	phys = "ytg_fighter_02.mdl";
	speed = 250;
	acceleration = 40;
	dumping = 20;
	speedAng = 90;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 250;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	uid = 3;
};

Ships.el_4 =
{
	name = "blg_fighter_00";
	classname = "ShipBlgFighter00";
	race = 2;
	type = 1;
	shield = 120;
	armor = 120;
	structure = 100;
	shieldRegen = 2;
	render = "blg_fighter_00.mod";
	phys = "blg_fighter_00.mdl";
	speed = 250;
	acceleration = 40;
	dumping = 20;
	speedAng = 90;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 250;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	uid = 4;
};

Ships.el_5 =
{
	name = "blg_fighter_01";
	classname = "ShipBlgFighter01";
	race = 2;
	type = 1;
	shield = 200;
	armor = 150;
	structure = 120;
	shieldRegen = 2;
	render = "blg_fighter_01.mod";
	phys = "blg_fighter_01.mdl";
	speed = 250;
	acceleration = 40;
	dumping = 20;
	speedAng = 90;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 250;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	uid = 5;
};

Ships.el_6 =
{
	name = "blg_fighter_03";
	classname = "ShipBlgFighter03";
	race = 2;
	type = 1;
	shield = 250;
	armor = 200;
	structure = 150;
	shieldRegen = 2;
	render = "blg_fighter_03.mod";
	phys = "blg_fighter_03.mdl";
	speed = 250;
	acceleration = 40;
	dumping = 20;
	speedAng = 90;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 250;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	uid = 6;
};

Ships.el_7 =
{
	name = "rtb_fighter_02";
	classname = "ShipRtbFighter02";
	race = 4;
	type = 1;
	shield = 100;
	armor = 100;
	structure = 90;
	shieldRegen = 2;
	render = "rtb_fighter_02.mod";
	phys = "rtb_fighter_02.mdl";
	speed = 250;
	acceleration = 40;
	dumping = 20;
	speedAng = 90;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 250;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	uid = 7;
};

Ships.el_8 =
{
	name = "ytg_sush_02";
	classname = "YtgSush02";
	race = 8;
	type = 2;
	isDestructable = 1;
	shield = 0;
	armor = 2000;
	structure = 3000;
	speed = 60;
	acceleration = 5;
	dumping = 10;
	speedAng = 8;
	accelerationAng = 3;
	dumpingAng = 5;
	visibilityRange = 3000;
	attackSpeed = 60;
	turnAwaySpeed = 60;
	supportSpeed = 60;
	render = "ytg_sush_02.mod";
	phys = "ytg_sush_02.mdl";
	mass = 50;
	throttle = 5;
	collisionRadius = 150;
	uid = 8;
};

