-- The centre column of the mission score (512 x 290): the panel where the devices won would be
-- listed. The game calls nothing in it.
movie.design(512, 290)

function Draw(c)
    ui.panel(c, 6, 6, 500, 240)
    c:line(24, 46, 488, 46, ui.colors.border, 1)
    for k = 0, 3 do
        c:roundRect(24 + 118 * k, 66, 106, 160, 8, "#0c141e60", "#6fa8ff30", 1)
    end
end
