-- The frame around the centre pilot of the profile panel's carousel (230 x 200): four corners
-- that breathe slowly, the lower two on the card's foot. It ends 170 below its top, well above
-- the tips strip's panel, which starts 184 below it.
movie.design(230, 200)
ui.glowFrame(6, 6, 218, 162, 30, 0.55)
