-- Breakable parts of the large Ytg ships: the cargo ship "ytg_sush_02", the runner "ytg_brrk_00"
-- and the small cargo ship "ytg_drtr_02". A bone of a model carries the part whose name is the
-- bone's name without its last three characters (the bone "ytg_bolsh_dvigatel_00" carries
-- "ytg_bolsh_dvigatel"); the ships know their parts by the bones' names.

Parts.el_1 =
{
	name = "ytg_korpus_bolsh_dvig";
	meshname = "ytg_korpus_bolsh_dvig.sms";
	physname = "ytg_korpus_bolsh_dvig.mdl";
	hpKoef = 4.0;
	uid = 1;
};

Parts.el_2 =
{
	name = "ytg_bolsh_dvigatel";
	meshname = "ytg_bolsh_dvigatel.sms";
	physname = "ytg_bolsh_dvigatel.mdl";
	damaged = "ytg_bolsh_dvigatel_damaged.mod";
	hpKoef = 1.0;
	uid = 2;
};

Parts.el_3 =
{
	name = "ytg_sush_02_kabina";
	meshname = "ytg_sush_02_kabina.sms";
	physname = "ytg_sush_02_kabina.mdl";
	hpKoef = 2.0;
	uid = 3;
};

Parts.el_4 =
{
	name = "ytg_centraln_blok_tr";
	meshname = "ytg_centraln_blok_tr.sms";
	physname = "ytg_centraln_blok_tr.mdl";
	hpKoef = 3.0;
	uid = 4;
};

Parts.el_5 =
{
	name = "ytg_st_dvig_dr1";
	meshname = "ytg_st_dvig_dr1.sms";
	physname = "ytg_st_dvig_dr1.mdl";
	hpKoef = 1.0;
	uid = 5;
};

Parts.el_6 =
{
	name = "ytg_energ_caps_trb";
	meshname = "ytg_energ_caps_trb.sms";
	physname = "ytg_energ_caps_trb.mdl";
	hpKoef = 2.0;
	uid = 6;
};
