-- The column behind the gang's list on the team gathering (400 x 670): a panel with the five
-- places of the rows (76, 72 + 105 k, 260 x 90), wide enough for the focus brackets around a
-- row (19 to 383) to stand inside it. The game calls nothing in it.
movie.design(400, 670)

function Draw(c)
    ui.panel(c, 8, 4, 388, 626)
    for k = 0, 4 do
        c:roundRect(74, 70 + 105 * k, 264, 94, 8, "#0c141e60", "#6fa8ff30", 1)
    end
end
