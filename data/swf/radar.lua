-- The radar's frame: a bezel around a disc seen from above and in front (its depth squeezed to
-- 0.45), with range rings and the axes. The HUD draws the blips and their height stems over it:
-- the disc's centre is the movie's centre and its rim 80 units out. The bezel is a hood over the
-- disc: it ends 21 units below the centre, well above the speed gauge under the disc.
movie.design(188, 188)

local sweep = 0
local caption = "RADAR"
local asked = false

function Update(dt)
    if not asked then
        -- The caption in the game's language, asked for once the game is there to answer.
        asked = true
        caption = movie.call("Text", "ui_hud_radar") or caption
        movie.invalidate(40, 12, 108, 14)
    end
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

-- OCR-A has Latin letters only.
local function Face(text)
    if string.find(text, "[\128-\255]") then
        return "Arial"
    end
    return "OCRA"
end

function Draw(c)
    -- No fill: the HUD's blips are drawn before the movie, under it.
    c:beginPath()
    c:arc(94, 94, 86, math.pi * 166 / 180, math.pi * (14 + 360) / 180)
    c:strokePath("#00d6ff70", 2)
    Ellipse(c, 80, 36, NULL, "#00d6ffd0", 2)
    Ellipse(c, 53, 24, NULL, "#00d6ff70", 1)
    Ellipse(c, 27, 12, NULL, "#00d6ff50", 1)
    c:line(14, 94, 174, 94, "#00d6ff50", 1)
    c:line(94, 58, 94, 130, "#00d6ff50", 1)
    -- The sweep: a line from the centre around the disc.
    c:line(94, 94, 94 + math.cos(sweep) * 80, 94 + math.sin(sweep) * 36, "#00d6ffa0", 1.5)
    c:font(Face(caption), 9)
    c:text(caption, 94, 14, "#00d6ffb0", "center")
    c:font("OCRA", 9)
    c:text("7500", 94, 28, "#00d6ff80", "center")
end
