-- The right shield arc: a bow beside the ship's part pictures.
movie.design(150, 215)

function Draw(c)
    local cx, cy, r = 10, 107, 120
    c:beginPath()
    c:arc(cx, cy, r, -math.pi * 0.3, math.pi * 0.3)
    c:strokePath("#00d6ff90", 3)
    c:beginPath()
    c:arc(cx, cy, r - 10, -math.pi * 0.25, math.pi * 0.25)
    c:strokePath("#00d6ff40", 1.5)
end
