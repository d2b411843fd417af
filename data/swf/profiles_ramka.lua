-- The frame around the centre pilot of the profile panel's carousel (230 x 200): four corners
-- that breathe slowly.
movie.design(230, 200)
ui.glowFrame(6, 6, 218, 188, 30, 0.55)
