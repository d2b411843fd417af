-- The lobby's right team panel (450 x 700): a band in the team's colour above six places for
-- player rows (260 x 90 each, from (92, 92), 90 apart). The game calls nothing in it.
movie.design(450, 700)

function Draw(c)
    ui.panel(c, 76, 40, 292, 600)
    c:rect(76, 40, 292, 36, "#ffb34040", NULL)
    c:polygon({ 346, 48, 356, 66, 336, 66 }, "#ffb340", ui.colors.text, 1)
    for i = 0, 5 do
        c:roundRect(92, 92 + 90 * i, 260, 90, 6, NULL, "#6fa8ff30", 1)
    end
end
