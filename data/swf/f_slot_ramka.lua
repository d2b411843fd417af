-- The frame around the centre slot of the picture carousel (200 x 200): four glowing corners
-- around the selected picture (36, 35, 128 x 128) that breathe slowly. The game fades the whole
-- frame while the slots glide.
movie.design(200, 200)
ui.glowFrame(26, 25, 148, 148, 28, 0.6)
