-- Pilots for hire ("type" 1) and dealers who lend money (2); "name" is a texts code.

Npcs.el_1 =
{
	name = "name_pirate_00";
	face = "npcs/pirate_00.mat";
	type = 1;
	lvl = 6;
	totalScore = 4200;
	efficiency = 78;
	race = 8;
	uid = 1;
};

Npcs.el_2 =
{
	name = "name_pirate_01";
	face = "npcs/pirate_01.mat";
	type = 1;
	lvl = 5;
	totalScore = 3600;
	efficiency = 71;
	race = 1;
	uid = 2;
};

Npcs.el_3 =
{
	name = "name_pirate_02";
	face = "npcs/pirate_02.mat";
	type = 1;
	lvl = 4;
	totalScore = 2900;
	efficiency = 64;
	race = 2;
	uid = 3;
};

Npcs.el_4 =
{
	name = "name_pirate_03";
	face = "npcs/pirate_03.mat";
	type = 1;
	lvl = 3;
	totalScore = 2100;
	efficiency = 55;
	race = 4;
	uid = 4;
};

Npcs.el_5 =
{
	name = "name_pirate_04";
	face = "npcs/pirate_04.mat";
	type = 1;
	lvl = 2;
	totalScore = 1400;
	efficiency = 47;
	race = 7;
	uid = 5;
};

Npcs.el_6 =
{
	name = "name_pirate_05";
	face = "npcs/pirate_05.mat";
	type = 1;
	lvl = 1;
	totalScore = 800;
	efficiency = 39;
	race = 5;
	uid = 6;
};

Npcs.el_7 =
{
	name = "name_dealer_00";
	face = "npcs/dealer_00.mat";
	type = 2;
	lvl = 1;
	race = 6;
	uid = 7;
};

Npcs.el_8 =
{
	name = "name_dealer_01";
	face = "npcs/dealer_01.mat";
	type = 2;
	lvl = 1;
	race = 3;
	uid = 8;
};

Npcs.el_9 =
{
	name = "name_pirate_06";
	face = "npcs/pirate_06.mat";
	type = 1;
	lvl = 3;
	totalScore = 2100;
	efficiency = 58;
	race = 6;
	uid = 9;
};

Npcs.el_10 =
{
	name = "name_pirate_07";
	face = "npcs/pirate_07.mat";
	type = 1;
	lvl = 1;
	totalScore = 500;
	efficiency = 33;
	race = 3;
	uid = 10;
};
