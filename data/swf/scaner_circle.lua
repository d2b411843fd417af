-- The target scanner's dial: two rings of ticks and a sweeping beam. The HUD turns and fades
-- the whole layer; the movie only sweeps its beam.
movie.design(160, 160)

local sweep = 0

function Update(dt)
    sweep = math.fmod(sweep + dt * 4, 2 * math.pi)
    movie.invalidate()
end

function Draw(c)
    local cx, cy = 80, 80
    c:circle(cx, cy, 74, NULL, "#00d6ffb0", 2)
    c:circle(cx, cy, 58, NULL, "#00d6ff60", 1)
    for i = 0, 35 do
        local a = i * math.pi / 18
        local inner = 66
        if math.fmod(i, 3) == 0 then
            inner = 62
        end
        c:line(cx + math.cos(a) * inner, cy + math.sin(a) * inner, cx + math.cos(a) * 74, cy + math.sin(a) * 74,
            "#00d6ffc0", 1)
    end
    c:line(cx - 8, cy, cx + 8, cy, "#00d6ff", 1)
    c:line(cx, cy - 8, cx, cy + 8, "#00d6ff", 1)
    c:beginPath()
    c:moveTo(cx, cy)
    c:arc(cx, cy, 56, sweep - 0.5, sweep)
    c:closePath()
    c:fillPath(c:radialGradient(cx, cy, 0, 56, { 0, "#00d6ff00", 1, "#00d6ff80" }))
end
