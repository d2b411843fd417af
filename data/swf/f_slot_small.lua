-- A side slot of the picture carousel (155 x 145): a plate with a frame where the game lays the
-- slot's picture (40, 35, 71 x 71).
movie.design(155, 145)

function Draw(c)
    ui.panel(c, 28, 24, 95, 95)
    c:rect(37, 32, 77, 77, ui.colors.shadow, ui.colors.border, 2)
end
