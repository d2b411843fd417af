-- A boost panel under the speed gauge; it slides outwards while the booster fires.
movie.design(133, 18)

local caption = "BOOST"
local asked = false

-- The caption in the game's language, asked for once the game is there to answer.
function Update(dt)
    if not asked then
        asked = true
        caption = movie.call("Text", "ui_hud_boost") or caption
        movie.invalidate()
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
    c:roundRect(1, 1, 131, 16, 4, "#3a1a04c0", "#ffa030", 1.5)
    c:font(Face(caption), 11)
    c:text(caption, 66, 2, "#ffc060", "center")
end
