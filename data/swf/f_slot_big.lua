-- The centre slot of the picture carousel (230 x 225): a plate with a frame where the game lays
-- the selected picture (51, 46, 128 x 128). Its top is left clear for the caption above it, and
-- it ends 193 below its top, above the tips strip.
movie.design(230, 225)

function Draw(c)
    local plate = c:linearGradient(0, 36, 0, 200, { 0, "#1a2c44e0", 1, "#0c141ee0" })
    c:roundRect(36, 36, 158, 156, 8, plate, ui.colors.border, 2)
    c:rect(47, 42, 136, 136, ui.colors.shadow, ui.colors.selected, 3)
end
