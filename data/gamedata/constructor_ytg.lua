-- Breakable parts of the Ytg ships: the cargo ship "ytg_sush_02". A bone of a model carries the part whose name is
-- the bone's name without its last three characters ("ytg_bolsh_dvigatel_00_00" carries
-- "ytg_bolsh_dvigatel_00").

Parts.el_1 =
{
	name = "ytg_korpus_bolsh_dvig_01";
	meshname = "ytg_korpus_bolsh_dvig_01.sms";
	physname = "ytg_korpus_bolsh_dvig_01.mdl";
	hpKoef = 4.0;
	uid = 1;
};

Parts.el_2 =
{
	name = "ytg_bolsh_dvigatel_00";
	meshname = "ytg_bolsh_dvigatel.sms";
	physname = "ytg_bolsh_dvigatel.mdl";
	damaged = "ytg_bolsh_dvigatel_damaged.mod";
	hpKoef = 1.0;
	uid = 2;
};

Parts.el_3 =
{
	name = "ytg_bolsh_dvigatel_01";
	meshname = "ytg_bolsh_dvigatel.sms";
	physname = "ytg_bolsh_dvigatel.mdl";
	damaged = "ytg_bolsh_dvigatel_damaged.mod";
	hpKoef = 1.0;
	uid = 3;
};

Parts.el_4 =
{
	name = "ytg_sush_02_kabina";
	meshname = "ytg_sush_02_kabina.sms";
	physname = "ytg_sush_02_kabina.mdl";
	hpKoef = 2.0;
	uid = 4;
};

