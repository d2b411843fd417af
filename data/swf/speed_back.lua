-- The speed gauge's back: two troughs the speed bars fill from the middle outwards, scales of
-- ticks, and a hub between them. The troughs keep clear of the target and own-ship panels at
-- their sides and start below the weaponry panel; the hub stands under the radar's disc.
movie.design(600, 90)

local caption = "SPEED"
local asked = false

-- The caption in the game's language, asked for once the game is there to answer.
function Update(dt)
    if not asked then
        asked = true
        caption = movie.call("Text", "ui_hud_speed") or caption
        movie.invalidate(252, 16, 96, 44)
    end
end

-- OCR-A has Latin letters only; a long word takes a smaller size to stay inside the hub.
local function Font(c, text)
    local face = "OCRA"
    if string.find(text, "[\128-\255]") then
        face = "Arial"
    end
    local size = 14
    c:font(face, size)
    while size > 8 and c:measure(text) > 84 do
        size = size - 1
        c:font(face, size)
    end
end

function Draw(c)
    c:roundRect(10, 6, 236, 58, 8, "#04142aa0", "#00d6ff70", 1.5)
    c:roundRect(354, 6, 236, 58, 8, "#04142aa0", "#00d6ff70", 1.5)
    for i = 0, 10 do
        local x = 14 + i * 22.6
        c:line(x, 64, x, 70, "#00d6ff80", 1)
        c:line(586 - i * 22.6, 64, 586 - i * 22.6, 70, "#00d6ff80", 1)
    end
    c:roundRect(252, 16, 96, 44, 10, "#04142ad0", "#00d6ffa0", 2)
    Font(c, caption)
    c:text(caption, 300, 30, "#00d6ff", "center")
end
