-- The own-ship panel's schematic: a frame with its caption, the player's fighter seen from above
-- inside the two turning rings (their own movies), and the rails of the four level bars the HUD
-- draws. The frame starts at 52, clear of the weaponry panel and of the speed gauge beside it,
-- and ends at 218, above the boost panel sliding out under it.
movie.design(400, 230)

local caption = "SHIP"
local asked = false

-- The caption in the game's language, asked for once the game is there to answer.
function Update(dt)
    if not asked then
        asked = true
        caption = movie.call("Text", "ui_hud_ship") or caption
        movie.invalidate(60, 44, 140, 20)
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
    c:roundRect(52, 40, 338, 178, 12, "#04142aa0", "#00d6ff80", 2)
    c:font(Face(caption), 12)
    c:text(caption, 64, 48, "#00d6ffc0")
    c:save()
    c:translate(108, 119)
    c:polygon({ 0, -42, 8, -8, 38, 18, 38, 28, 8, 18, 5, 34, -5, 34, -8, 18, -38, 28, -38, 18, -8, -8 },
        "#00d6ff30", "#00d6ff", 1.5)
    c:restore()
    for i = 0, 3 do
        local y = 80 + i * 23
        c:line(202, y + 10, 310, y + 10, "#00d6ff30", 1)
    end
end
