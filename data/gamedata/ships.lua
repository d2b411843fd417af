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


-- The other race classes: the Ytg's small cargo ship, runner and station, a light Blg fighter,
-- the cruisers of the Blg and the Rtb, and a heavy Rtb fighter.

Ships.el_9 =
{
	name = "ytg_drtr_02";
	classname = "YtgDrTr02";
	race = 8;
	type = 2;
	isDestructable = 1;
	shield = 0;
	armor = 600;
	structure = 900;
	speed = 80;
	acceleration = 8;
	dumping = 10;
	speedAng = 12;
	accelerationAng = 5;
	dumpingAng = 6;
	visibilityRange = 3000;
	attackSpeed = 80;
	turnAwaySpeed = 80;
	supportSpeed = 80;
	mass = 20;
	throttle = 6;
	collisionRadius = 45;
	render = "ytg_drtr_02.mod";
	phys = "ytg_drtr_02.mdl";
	uid = 9;
};

Ships.el_10 =
{
	name = "ytg_brrk_00";
	classname = "YtgBrrk00";
	race = 8;
	type = 2;
	isDestructable = 1;
	shield = 0;
	armor = 800;
	structure = 1000;
	speed = 120;
	acceleration = 12;
	dumping = 10;
	speedAng = 15;
	accelerationAng = 6;
	dumpingAng = 8;
	visibilityRange = 3500;
	supportRange = 800;
	defenceRange = 2000;
	attackSpeed = 120;
	turnAwaySpeed = 120;
	supportSpeed = 120;
	mass = 25;
	throttle = 8;
	collisionRadius = 45;
	render = "ytg_brrk_00.mod";
	phys = "ytg_brrk_00.mdl";
	uid = 10;
};

Ships.el_11 =
{
	name = "ytg_scstation_00";
	classname = "YtgScStation00";
	race = 8;
	type = 3;
	shield = 2000;
	armor = 5000;
	structure = 8000;
	speed = 5;
	acceleration = 0;
	dumping = 10;
	speedAng = 2;
	accelerationAng = 1;
	dumpingAng = 5;
	visibilityRange = 5000;
	mass = 1000;
	throttle = 1;
	collisionRadius = 200;
	render = "ytg_scstation_00.mod";
	phys = "ytg_scstation_00.mdl";
	uid = 11;
};

Ships.el_12 =
{
	name = "blg_fighter_02";
	classname = "ShipBlgFighter02";
	race = 2;
	type = 1;
	shield = 90;
	armor = 90;
	structure = 80;
	shieldRegen = 2;
	speed = 280;
	acceleration = 45;
	dumping = 20;
	speedAng = 100;
	accelerationAng = 50;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 220;
	turnAwaySpeed = 270;
	supportSpeed = 240;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	render = "blg_fighter_02.mod";
	phys = "blg_fighter_02.mdl";
	uid = 12;
};

Ships.el_13 =
{
	name = "blg_cruiser_02";
	classname = "BlgCruiser02";
	race = 2;
	type = 2;
	shield = 1500;
	armor = 2000;
	structure = 3000;
	shieldRegen = 5;
	speed = 70;
	acceleration = 6;
	dumping = 10;
	speedAng = 10;
	accelerationAng = 4;
	dumpingAng = 6;
	visibilityRange = 4000;
	supportRange = 1000;
	defenceRange = 2500;
	attackSpeed = 70;
	turnAwaySpeed = 70;
	supportSpeed = 70;
	mass = 60;
	throttle = 5;
	collisionRadius = 80;
	render = "blg_cruiser_02.mod";
	phys = "blg_cruiser_02.mdl";
	uid = 13;
};

Ships.el_14 =
{
	name = "rtb_cruiser_00";
	classname = "RtbCruiser00";
	race = 4;
	type = 2;
	shield = 1200;
	armor = 2200;
	structure = 2800;
	shieldRegen = 4;
	speed = 65;
	acceleration = 6;
	dumping = 10;
	speedAng = 10;
	accelerationAng = 4;
	dumpingAng = 6;
	visibilityRange = 4000;
	supportRange = 1000;
	defenceRange = 2500;
	attackSpeed = 65;
	turnAwaySpeed = 65;
	supportSpeed = 65;
	mass = 60;
	throttle = 5;
	collisionRadius = 70;
	render = "rtb_cruiser_00.mod";
	phys = "rtb_cruiser_00.mdl";
	uid = 14;
};

Ships.el_15 =
{
	name = "rtb_fighter_03";
	classname = "ShipRtbFighter03";
	race = 4;
	type = 1;
	shield = 130;
	armor = 120;
	structure = 100;
	shieldRegen = 2;
	speed = 240;
	acceleration = 40;
	dumping = 20;
	speedAng = 85;
	accelerationAng = 45;
	dumpingAng = 20;
	visibilityRange = 4000;
	supportRange = 600;
	defenceRange = 1500;
	attackSpeed = 200;
	turnAwaySpeed = 240;
	supportSpeed = 220;
	mass = 1.0;
	throttle = 200;
	collisionRadius = 12;
	render = "rtb_fighter_03.mod";
	phys = "rtb_fighter_03.mdl";
	uid = 15;
};
