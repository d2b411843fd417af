-- The demo mission: the player with two Blg wingmen meets Ytg fighters in a rock field. One
-- Ytg fighter guards a patrol track, another the area around a large asteroid; a third joins
-- only on the harder difficulties.

Level.obj_player = {
    classname = "player";
    position = { x = 0; y = 0; z = -600 };
    dir = { x = 0; y = 0; z = 1 };
    up = { x = 0; y = 1; z = 0 };
};

-- The wingmen escort the player and follow an enemy up to 2000 from it: the Ytg fighters
-- turn for their next pass far beyond the player, and a narrower escort would break off every
-- chase before it came into range. They start wide of the player, so that their first chase does
-- not cross its nose.
Level.obj_blg_00 = {
    classname = "ship";
    prototype = "blg_fighter_00";
    name = "blg_fighter_00";
    fraction = "blg";
    position = { x = -300; y = 40; z = -700 };
    task = { type = "escort_the_target"; target = "PlayerShip"; radius = 2000 };
};
Level.obj_blg_01 = {
    classname = "ship";
    prototype = "blg_fighter_01";
    name = "blg_fighter_01";
    fraction = "blg";
    position = { x = 300; y = -40; z = -700 };
    task = { type = "escort_the_target"; target = "PlayerShip"; radius = 2000 };
};

Level.obj_ytg_00 = {
    classname = "ship";
    prototype = "ytg_fighter_02";
    name = "ytg_fighter_02_00";
    fraction = "ytg";
    position = { x = 0; y = 40; z = 1500 };
    dir = { x = 0; y = 0; z = -1 };
    task = { type = "attack_the_target"; target = "PlayerShip" };
};
Level.obj_ytg_01 = {
    classname = "ship";
    prototype = "ytg_fighter_02";
    name = "ytg_fighter_02_01";
    fraction = "ytg";
    position = { x = 600; y = 0; z = 600 };
    task = { type = "stay_on_track"; target = "ytg_patrol"; looped = "1"; radius = "120" };
};
Level.obj_ytg_02 = {
    classname = "ship";
    prototype = "ytg_fighter_02";
    name = "ytg_fighter_02_02";
    fraction = "ytg";
    position = { x = -300; y = -50; z = 850 };
    task = { type = "patrol_the_area"; xmin = -1200; zmin = 800; ymin = -300; xmax = -200; zmax = 1800; ymax = 300 };
};
Level.obj_ytg_03 = {
    classname = "ship";
    prototype = "ytg_fighter_02";
    name = "ytg_fighter_02_03";
    fraction = "ytg";
    mainDifficulty = 2;
    position = { x = 200; y = 120; z = 1500 };
    dir = { x = 0; y = 0; z = -1 };
    task = { type = "reach_the_point"; x = 0; z = -600; y = 0 };
};

-- The patrol track, followed at a limited speed.
Level.obj_track_00 = {
    classname = "track";
    name = "ytg_patrol";
    speed = "150";
    Point00 = { i = 0; x = 600; y = 0; z = 600 };
    Point01 = { i = 1; x = 900; y = 50; z = 1100 };
    Point02 = { i = 2; x = 400; y = 0; z = 1500 };
    Point03 = { i = 3; x = 100; y = -50; z = 1000 };
};

-- The rock field: a large asteroid the AI steers around, medium ones the "Asteroids" setting
-- thins out, and a cloud of small rocks.
Level.obj_ast_l_00 = {
    classname = "object";
    prototype = "ast_l_a";
    name = "ast_l_00";
    position = { x = -700; y = 0; z = 1300 };
};
Level.obj_ast_m_00 = { classname = "object"; prototype = "ast_m_a"; position = { x = 300; y = 60; z = 200 } };
Level.obj_ast_m_01 = { classname = "object"; prototype = "ast_m_a"; position = { x = -250; y = -40; z = 350 } };
Level.obj_ast_m_02 = { classname = "object"; prototype = "ast_m_a"; position = { x = 120; y = 90; z = 700 } };
Level.obj_ast_m_03 = { classname = "object"; prototype = "ast_m_a"; position = { x = -420; y = 30; z = 820 } };
Level.obj_ast_m_04 = { classname = "object"; prototype = "ast_m_a"; position = { x = 520; y = -80; z = 1000 } };

Level.obj_debris_00 = {
    classname = "debris";
    type = "rock";
    radius = 400;
    number = 48;
    position = { x = 0; y = 0; z = 500 };
};
