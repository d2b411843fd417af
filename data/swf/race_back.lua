-- The plate under the race emblem of the device at the carousel's centre (128 x 128; the game
-- draws the emblem at 9, 25, 64 x 64).
movie.design(128, 128)

function Draw(c)
    c:circle(41, 57, 40, ui.colors.shadow, ui.colors.border, 2)
    c:circle(41, 57, 44, NULL, "#6fa8ff50", 1)
end
