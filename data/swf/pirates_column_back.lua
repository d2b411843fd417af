-- The ground of the pirates' ratings on the stock exchange (410 x 660), under the faces the
-- game lays at (87, 90 + 90 row) for rows 0 to 4 and (87, 552) for the player's row 5.
movie.design(410, 660)

function Draw(c)
    ui.panel(c, 6, 30, 392, 610)
    for row = 0, 5 do
        local top = 82 + 90 * row
        if row == 5 then
            top = 544
        end
        c:rect(83, top + 4, 59, 59, ui.colors.shadow)
    end
    c:line(24, 530, 380, 530, ui.colors.border, 2)
end
