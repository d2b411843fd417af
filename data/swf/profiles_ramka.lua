-- The frame around the centre pilot of the profile panel's carousel (230 x 200): four corners
-- that breathe slowly. It ends above the tips strip, which starts 179 below its top.
movie.design(230, 200)
ui.glowFrame(6, 6, 218, 164, 30, 0.55)
