-- Breakable parts of the objects that belong to no race: a cargo pod, the modules of the ytg station, its
-- beacon. A bone of a model carries the part whose name is the bone's name without its last three
-- characters ("pod_hull_00" carries "pod_hull", "stoyka_kabin01" carries "stoyka_kabi").

Parts.el_1 =
{
	name = "pod_hull";
	meshname = "pod_hull.sms";
	physname = "pod_hull.mdl";
	damaged = "pod_hull_damaged.mod";
	hpKoef = 1.0;
};

Parts.el_2 =
{
	name = "pod_arm";
	meshname = "pod_arm.sms";
	physname = "pod_arm.mdl";
	hpKoef = 0.5;
};

Parts.el_3 =
{
	name = "pod_claw";
	meshname = "pod_claw.sms";
	physname = "pod_claw.mdl";
	hpKoef = 0.25;
};

Parts.el_4 =
{
	name = "pod_finger";
	meshname = "pod_claw.sms";
	physname = "pod_claw.mdl";
	hpKoef = 0.25;
};

Parts.el_5 =
{
	name = "pod_lamp";
	meshname = "ytg_baken_cap.sms";
	physname = "ytg_baken_cap.mdl";
	hpKoef = 0.25;
};

Parts.el_6 =
{
	name = "nos_korpus";
	meshname = "ytg_sush_block.sms";
	physname = "ytg_sush_block.mdl";
	hpKoef = 4.0;
};

Parts.el_7 =
{
	name = "korpus_bolsh_dvig";
	meshname = "ytg_sush_engine.sms";
	physname = "ytg_sush_engine.mdl";
	damaged = "ytg_sush_engine_damaged.mod";
	hpKoef = 2.0;
};

Parts.el_8 =
{
	name = "remont_korpus_simetr_A";
	meshname = "ytg_sush_hull.sms";
	physname = "ytg_sush_hull.mdl";
	damaged = "ytg_sush_hull_damaged.mod";
	hpKoef = 5.0;
};

Parts.el_9 =
{
	name = "remont_kolpak_v2";
	meshname = "ytg_sush_cap.sms";
	physname = "ytg_sush_cap.mdl";
	hpKoef = 1.5;
};

Parts.el_10 =
{
	name = "remont_kolpak_n";
	meshname = "ytg_sush_cap.sms";
	physname = "ytg_sush_cap.mdl";
	hpKoef = 1.5;
};

Parts.el_11 =
{
	name = "remont_oborud";
	meshname = "ytg_sush_small.sms";
	physname = "ytg_sush_small.mdl";
	hpKoef = 1.0;
};

Parts.el_12 =
{
	name = "remont_rels";
	meshname = "ytg_sush_rail.sms";
	physname = "ytg_sush_rail.mdl";
	hpKoef = 1.0;
};

Parts.el_13 =
{
	name = "remont_manip_modifi";
	meshname = "ytg_sush_small.sms";
	physname = "ytg_sush_small.mdl";
	hpKoef = 1.0;
};

Parts.el_14 =
{
	name = "energ_caps_cr4";
	meshname = "ytg_energ_caps_cr4.sms";
	physname = "ytg_energ_caps_cr4.mdl";
	hpKoef = 0.25;
};

Parts.el_15 =
{
	name = "cruiser_kabin";
	meshname = "ytg_sush_cabin.sms";
	physname = "ytg_sush_cabin.mdl";
	hpKoef = 3.0;
};

Parts.el_16 =
{
	name = "cr_org_kolpak";
	meshname = "ytg_sush_cap.sms";
	physname = "ytg_sush_cap.mdl";
	hpKoef = 1.0;
};

Parts.el_17 =
{
	name = "stoyka_kabi";
	meshname = "ytg_sush_rail.sms";
	physname = "ytg_sush_rail.mdl";
	hpKoef = 1.0;
};

Parts.el_18 =
{
	name = "konsol_A_Cr4";
	meshname = "ytg_sush_small.sms";
	physname = "ytg_sush_small.mdl";
	hpKoef = 1.0;
};

Parts.el_19 =
{
	name = "krestovina_buy";
	meshname = "ytg_baken_beam.sms";
	physname = "ytg_baken_beam.mdl";
	hpKoef = 1.0;
};

Parts.el_20 =
{
	name = "kolpak_org_buy";
	meshname = "ytg_baken_cap.sms";
	physname = "ytg_baken_cap.mdl";
	hpKoef = 0.25;
};

Parts.el_21 =
{
	name = "antena_buy";
	meshname = "ytg_baken_mast.sms";
	physname = "ytg_baken_mast.mdl";
	hpKoef = 0.25;
};
