-- The fleets: one ship of every race class in front of the player, a rock field and a field of
-- Ytg wreckage among them, and the Ytg station far ahead. Nobody has orders: the fighters go for
-- an enemy at once, while the cruisers, the cargo ships and the station hold their places.

Level.obj_player = {
    classname = "player";
    position = { x = 0; y = 0; z = 0 };
    dir = { x = 0; y = 0; z = 1 };
    up = { x = 0; y = 1; z = 0 };
};

-- The Blg fighters on the left, the Rtb fighters on the right.
Level.obj_blg_00 = { classname = "ship"; prototype = "blg_fighter_00"; name = "blg_fighter_00"; fraction = "blg"; position = { x = -40; y = 8; z = 90 } };
Level.obj_blg_01 = { classname = "ship"; prototype = "blg_fighter_01"; name = "blg_fighter_01"; fraction = "blg"; position = { x = -70; y = -10; z = 120 } };
Level.obj_blg_02 = { classname = "ship"; prototype = "blg_fighter_02"; name = "blg_fighter_02"; fraction = "blg"; position = { x = -20; y = 22; z = 140 } };
Level.obj_blg_03 = { classname = "ship"; prototype = "blg_fighter_03"; name = "blg_fighter_03"; fraction = "blg"; position = { x = -90; y = 15; z = 170 } };
Level.obj_rtb_02 = { classname = "ship"; prototype = "rtb_fighter_02"; name = "rtb_fighter_02"; fraction = "rtb"; position = { x = 35; y = -8; z = 100 } };
Level.obj_rtb_03 = { classname = "ship"; prototype = "rtb_fighter_03"; name = "rtb_fighter_03"; fraction = "rtb"; position = { x = 75; y = 5; z = 140 } };

-- The Ytg: a fighter facing the player, the runner and the small cargo ship behind it, the
-- cargo ship above them.
Level.obj_ytg_fighter = {
    classname = "ship"; prototype = "ytg_fighter_02"; name = "ytg_fighter_02"; fraction = "ytg";
    position = { x = 15; y = 25; z = 190 };
    dir = { x = 0; y = 0; z = -1 };
};
Level.obj_ytg_brrk = { classname = "ship"; prototype = "ytg_brrk_00"; name = "ytg_brrk_00"; fraction = "ytg"; position = { x = 220; y = -40; z = 700 } };
Level.obj_ytg_drtr = { classname = "ship"; prototype = "ytg_drtr_02"; name = "ytg_drtr_02"; fraction = "ytg"; position = { x = -240; y = 40; z = 650 } };
Level.obj_ytg_sush = {
    classname = "ship"; prototype = "ytg_sush_02"; name = "ytg_sush_02"; fraction = "ytg";
    position = { x = 0; y = 160; z = 1400 };
    dir = { x = 1; y = 0; z = 0 };
};
Level.obj_ytg_station = { classname = "ship"; prototype = "ytg_scstation_00"; name = "ytg_scstation_00"; fraction = "ytg"; position = { x = 0; y = 0; z = 3200 } };

-- The cruisers on both flanks.
Level.obj_blg_cruiser = { classname = "ship"; prototype = "blg_cruiser_02"; name = "blg_cruiser_02"; fraction = "blg"; position = { x = -480; y = -60; z = 1100 } };
Level.obj_rtb_cruiser = { classname = "ship"; prototype = "rtb_cruiser_00"; name = "rtb_cruiser_00"; fraction = "rtb"; position = { x = 480; y = -60; z = 1100 } };

Level.obj_debris_rock = {
    classname = "debris";
    type = "rock";
    radius = 150;
    number = 40;
    position = { x = 0; y = -50; z = 450 };
};
Level.obj_debris_ytg = {
    classname = "debris";
    type = "ytg";
    radius = 80;
    number = 20;
    position = { x = 160; y = 60; z = 520 };
};
