-- The lobby's left team panel (450 x 700): a band in the team's colour above six places for
-- the player rows the game lays over it (260 x 90 each, from (98, 92), 90 apart). The game
-- calls nothing in it.
movie.design(450, 700)

function Draw(c)
    ui.panel(c, 82, 40, 292, 600)
    c:rect(82, 40, 292, 36, "#59d9ff40", NULL)
    c:circle(104, 58, 9, "#59d9ff", ui.colors.text, 1)
    for i = 0, 5 do
        c:roundRect(98, 92 + 90 * i, 260, 90, 6, NULL, "#6fa8ff30", 1)
    end
end
