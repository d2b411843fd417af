-- The middle button of the mission and multiplayer screens, drawn in the upper part of its
-- 350 x 180 area (the screens stack them 105 units apart). SetText sets the caption, SetState
-- the state (0 disabled, 1 normal, 2 selected), with a short fade between states.
movie.design(350, 180)

ui.buttonMovie(10, 30, 330, 92, 28)
