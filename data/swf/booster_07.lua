-- Booster energy, frame 7 of 12: the ring (in the corner free of the gauges) lit 7 twelfths of the way round.
movie.design(128, 128)
local lit = 7 / 12

function Draw(c)
    c:circle(82, 44, 28, NULL, "#ff9a2040", 6)
    c:beginPath()
    c:arc(82, 44, 28, -math.pi / 2, -math.pi / 2 + lit * 2 * math.pi)
    c:strokePath("#ffb040", 6)
end
