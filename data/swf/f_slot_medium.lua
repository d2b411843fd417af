-- A slot beside the centre of the picture carousel (200 x 180): a plate with a frame where the
-- game lays the slot's picture (49, 39, 102 x 102).
movie.design(200, 180)

function Draw(c)
    ui.panel(c, 34, 25, 132, 130)
    c:rect(45, 35, 110, 110, ui.colors.shadow, ui.colors.border, 2)
end
