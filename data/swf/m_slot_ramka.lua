-- The frame around the centre card of the map carousel (230 x 200): four glowing corners that
-- breathe slowly, on the card's corners. The game fades the whole frame while the cards glide.
movie.design(230, 200)
ui.glowFrame(2, 6, 226, 178, 30, 0.6)
