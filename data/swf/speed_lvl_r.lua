-- A speed bar, full; the HUD shows the part of it the speed reaches, from the middle outwards.
-- Its outer end stops 2 units short of the movie's, inside the gauge's trough.
movie.design(229, 54)

function Draw(c)
    local g = c:linearGradient(0, 0, 229, 0, { 0, "#00d6ff", 1, "#00ff8c" })
    c:rect(0, 8, 227, 38, g)
    for x = 6, 223, 12 do
        c:rect(x, 8, 2, 38, "#04142a80")
    end
end
