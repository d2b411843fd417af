-- The radar's frame: a bezel around a disc seen from above and in front (its depth squeezed to
-- 0.45), with range rings and the axes. The HUD draws the blips and their height stems over it:
-- the disc's centre is the movie's centre and its rim 80 units out.
movie.design(188, 188)

local sweep = 0

function Update(dt)
    sweep = math.fmod(sweep + dt * 1.5, 2 * math.pi)
    movie.invalidate(4, 50, 180, 88)
end

local function Ellipse(c, rx, ry, fill, stroke, width)
    c:save()
    c:translate(94, 94)
    c:scale(1, ry / rx)
    c:circle(0, 0, rx, fill, stroke, width / (ry / rx))
    c:restore()
end

function Draw(c)
    -- No fill: the HUD's blips are drawn before the movie, under it.
    c:circle(94, 94, 90, NULL, "#00d6ff70", 2)
    Ellipse(c, 80, 36, NULL, "#00d6ffd0", 2)
    Ellipse(c, 53, 24, NULL, "#00d6ff70", 1)
    Ellipse(c, 27, 12, NULL, "#00d6ff50", 1)
    c:line(14, 94, 174, 94, "#00d6ff50", 1)
    c:line(94, 58, 94, 130, "#00d6ff50", 1)
    -- The sweep: a line from the centre around the disc.
    c:line(94, 94, 94 + math.cos(sweep) * 80, 94 + math.sin(sweep) * 36, "#00d6ffa0", 1.5)
    c:font("OCRA", 9)
    c:text("RADAR", 94, 8, "#00d6ffb0", "center")
    c:text("7500", 94, 170, "#00d6ff80", "center")
end
