-- The desired speed's pointer: a notch that rides along the gauge's rim, its stem over the ticks
-- and clear of the boost panel below.
movie.design(64, 64)

function Draw(c)
    c:polygon({ 32, 40, 22, 22, 42, 22 }, "#ffe040", "#ffffff", 1)
    c:line(32, 40, 32, 54, "#ffe040", 2)
end
