-- The left shield arc: a ticked bow around the energy-shield column the HUD draws, and its name.
movie.design(450, 330)

local caption = "SHIELD"
local asked = false

-- The name in the game's language, asked for once the game is there to answer.
function Update(dt)
    if not asked then
        asked = true
        caption = movie.call("Text", "ui_hud_shield") or caption
        movie.invalidate(30, 296, 160, 20)
    end
end

-- OCR-A has Latin letters only.
local function Face(text)
    if string.find(text, "[\128-\255]") then
        return "Arial"
    end
    return "OCRA"
end

function Draw(c)
    local cx, cy, r = 180, 165, 130
    c:beginPath()
    c:arc(cx, cy, r, math.pi * 0.62, math.pi * 1.38)
    c:strokePath("#00d6ff90", 3)
    for i = 0, 16 do
        local a = math.pi * (0.64 + i * 0.045)
        c:line(cx + math.cos(a) * (r - 8), cy + math.sin(a) * (r - 8), cx + math.cos(a) * r, cy + math.sin(a) * r,
            "#00d6ff80", 1.5)
    end
    c:font(Face(caption), 12)
    c:text(caption, 110, 300, "#00d6ffc0", "center")
end
