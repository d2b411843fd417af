-- World objects: asteroids, their fragments, the pieces a Ytg fighter shatters into and the
-- debris that breaking parts throw. "render" names a model, else "mesh" a mesh; "phys" the
-- physics asset.

Objects.el_1 =
{
	name = "ast_m_a";
	classname = "Object";
	render = "ast_m_a.mod";
	phys = "ast_m_a.mdl";
	hp = 400;
	deleteDistance = 8000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
	uid = 1;
};

Objects.el_2 =
{
	name = "ast_m_a_a";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "sphere1.mdl";
	hp = 80;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 0.4;
	uid = 2;
};

Objects.el_3 =
{
	name = "ast_m_a_b";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "sphere1.mdl";
	hp = 80;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 0.4;
	uid = 3;
};

Objects.el_4 =
{
	name = "ast_m_a_c";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "sphere1.mdl";
	hp = 80;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 0.4;
	uid = 4;
};

Objects.el_5 =
{
	name = "ast_m_a_d";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "sphere1.mdl";
	hp = 80;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 0.4;
	uid = 5;
};

Objects.el_6 =
{
	name = "ast_m_a_e";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "sphere1.mdl";
	hp = 80;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 0.4;
	uid = 6;
};

Objects.el_7 =
{
	name = "ast_l_a";
	classname = "Object";
	render = "ast_l_a.mod";
	phys = "ast_l_a.mdl";
	hp = 100000;
	deleteDistance = -1;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
	uid = 7;
};

Objects.el_8 =
{
	name = "ast_l_b";
	classname = "Object";
	render = "ast_l_b.mod";
	phys = "ast_l_b.mdl";
	hp = 100000;
	deleteDistance = -1;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
	uid = 8;
};

Objects.el_9 =
{
	name = "ytg_fighter_02_a";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 9;
};

Objects.el_10 =
{
	name = "ytg_fighter_02_b";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 10;
};

Objects.el_11 =
{
	name = "ytg_fighter_02_c";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 11;
};

Objects.el_12 =
{
	name = "ytg_fighter_02_d";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 12;
};

Objects.el_13 =
{
	name = "ytg_fighter_02_e";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 13;
};

Objects.el_14 =
{
	name = "ytg_fighter_02_f";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 14;
};

Objects.el_15 =
{
	name = "ytg_fighter_02_g";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 15;
};

Objects.el_16 =
{
	name = "ytg_fighter_02_h";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 16;
};

Objects.el_17 =
{
	name = "ytg_fighter_02_i";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 17;
};

Objects.el_18 =
{
	name = "ytg_fighter_02_j";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 18;
};

Objects.el_19 =
{
	name = "ytg_fighter_02_k";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 20;
	deleteDistance = 3000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.2;
	uid = 19;
};

Objects.el_20 =
{
	name = "ytg_debris_00";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 20;
};

Objects.el_21 =
{
	name = "ytg_debris_01";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 21;
};

Objects.el_22 =
{
	name = "ytg_debris_02";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 22;
};

Objects.el_23 =
{
	name = "ytg_debris_03";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 23;
};

Objects.el_24 =
{
	name = "ytg_debris_04";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 24;
};

Objects.el_25 =
{
	name = "ytg_debris_05";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 25;
};

Objects.el_26 =
{
	name = "ytg_debris_06";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 26;
};

Objects.el_27 =
{
	name = "ytg_debris_07";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 27;
};

Objects.el_28 =
{
	name = "ytg_debris_08";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 28;
};

Objects.el_29 =
{
	name = "ytg_debris_09";
	classname = "Object";
	mesh = "box.sms";
	phys = "sphere1.mdl";
	hp = 10;
	deleteDistance = 2000;
	materialType = 1;
	isDestructable = 0;
	scale = 0.1;
	uid = 29;
};


-- The other asteroids and their fragments, a breakable cargo pod, the ytg station's modules, beacon, energy
-- capsules, sun, portal and protection complex, and an old wreck. "classname" picks the object's class;
-- "isDestructable" breaks it into the parts its model's bones carry.

Objects.ast_m_b =
{
	name = "ast_m_b";
	classname = "Object";
	render = "ast_m_b.mod";
	phys = "ast_m_b.mdl";
	hp = 300;
	deleteDistance = 8000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_b_a =
{
	name = "ast_m_b_a";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_b_b =
{
	name = "ast_m_b_b";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_b_c =
{
	name = "ast_m_b_c";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_b_d =
{
	name = "ast_m_b_d";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_c =
{
	name = "ast_m_c";
	classname = "Object";
	render = "ast_m_c.mod";
	phys = "ast_m_c.mdl";
	hp = 300;
	deleteDistance = 8000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_c_a =
{
	name = "ast_m_c_a";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_c_b =
{
	name = "ast_m_c_b";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_c_c =
{
	name = "ast_m_c_c";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_d =
{
	name = "ast_m_d";
	classname = "Object";
	render = "ast_m_d.mod";
	phys = "ast_m_d.mdl";
	hp = 300;
	deleteDistance = 8000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_d_a =
{
	name = "ast_m_d_a";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.ast_m_d_b =
{
	name = "ast_m_d_b";
	classname = "Object";
	mesh = "asteroid.sms";
	phys = "ast_fragment.mdl";
	hp = 60;
	deleteDistance = 4000;
	materialType = 0;
	isDestructable = 0;
	scale = 1;
};

Objects.cargo_pod =
{
	name = "cargo_pod";
	classname = "Object";
	render = "cargo_pod.mod";
	phys = "pod_hull.mdl";
	hp = 500;
	deleteDistance = 6000;
	materialType = 1;
	isDestructable = 1;
	scale = 1;
};

Objects.ytg_sush_02_nos =
{
	name = "ytg_sush_02_nos";
	classname = "YtgSushNos";
	render = "ytg_sush_02_nos.mod";
	phys = "ytg_sush_02_module.mdl";
	hp = 3000;
	materialType = 1;
	isDestructable = 1;
	scale = 1;
};

Objects.ytg_sush_02_centr =
{
	name = "ytg_sush_02_centr";
	classname = "YtgSushCentr";
	render = "ytg_sush_02_centr.mod";
	phys = "ytg_sush_02_module.mdl";
	hp = 4000;
	materialType = 1;
	isDestructable = 1;
	scale = 1;
};

Objects.ytg_sush_02_cabin =
{
	name = "ytg_sush_02_cabin";
	classname = "YtgSushCabin";
	render = "ytg_sush_02_cabin.mod";
	phys = "ytg_sush_02_module.mdl";
	hp = 2500;
	materialType = 1;
	isDestructable = 1;
	scale = 1;
};

Objects.ytg_baken_00 =
{
	name = "ytg_baken_00";
	classname = "ObjectYtgBaken00";
	render = "ytg_baken_00.mod";
	phys = "ytg_baken_00.mdl";
	hp = 800;
	materialType = 1;
	isDestructable = 1;
	scale = 1;
};

Objects.ytg_energ_caps_cr4 =
{
	name = "ytg_energ_caps_cr4";
	classname = "YtgEnergyCapsCr4";
	mesh = "ytg_energ_caps_cr4.sms";
	phys = "ytg_energ_caps_cr4.mdl";
	hp = 200;
	materialType = 2;
	isDestructable = 0;
	scale = 1;
};

Objects.ytg_energ_caps_cr4_a =
{
	name = "ytg_energ_caps_cr4_a";
	classname = "Object";
	mesh = "ytg_energ_caps_cr4.sms";
	phys = "ytg_energ_caps_cr4.mdl";
	hp = 50;
	deleteDistance = 4000;
	materialType = 2;
	isDestructable = 0;
	scale = 1;
};

Objects.ytg_sun_00 =
{
	name = "ytg_sun_00";
	classname = "ObjectYtgSun00";
	render = "ytg_sun_00.mod";
	phys = "ytg_sun_00.mdl";
	hp = 1000000;
	materialType = 5;
	isDestructable = 0;
	scale = 1;
};

Objects.ytg_portal_03 =
{
	name = "ytg_portal_03";
	classname = "ObjectYtgPortal03";
	render = "ytg_portal_03.mod";
	phys = "ytg_portal_03.mdl";
	hp = 1000000;
	materialType = 5;
	isDestructable = 0;
	scale = 1;
};

Objects.ytg_protection_complex_00 =
{
	name = "ytg_protection_complex_00";
	classname = "YtgProtectionComplex00";
	render = "ytg_protection_complex_00.mod";
	phys = "ytg_protection_complex_00.mdl";
	hp = 5000;
	materialType = 1;
	isDestructable = 0;
	scale = 1;
};

Objects.old_ship_00 =
{
	name = "old_ship_00";
	classname = "OldShip";
	render = "old_ship_00.mod";
	phys = "old_ship_00.mdl";
	hp = 5000;
	materialType = 1;
	isDestructable = 0;
	scale = 1;
};
