-- The target panel's picture: a frame with its caption and a schematic of the enemy fighter,
-- beside the four level bars and their labels the HUD draws over it. The fighter stands where
-- the scanner's rings settle (at 285, 110), small enough to stay inside their innermost ring up
-- to a scale of 1.5. The frame ends at 338, left of the speed gauge and the flight-model box, and
-- at 208, above the boost panel sliding out under it. The HUD dims the layer while no target has
-- been scanned.
movie.design(385, 220)

local blink = tween(0, 312, 10, 20, 20)
local caption = "TARGET"
local asked = false

function Update(dt)
    if not asked then
        -- The caption in the game's language, asked for once the game is there to answer.
        asked = true
        caption = movie.call("Text", "ui_hud_target") or caption
        movie.invalidate(10, 8, 200, 24)
    end
    if not blink:running() then
        if blink.value < 0.5 then
            blink:to(1, 0.8)
        else
            blink:to(0, 0.8)
        end
    end
end

local cyan = "#00d6ff"

-- OCR-A has Latin letters only.
local function Face(text)
    if string.find(text, "[\128-\255]") then
        return "Arial"
    end
    return "OCRA"
end

local function Frame(c)
    c:roundRect(4, 4, 334, 204, 10, "#04142acc", "#00d6ff90", 2)
    c:line(14, 34, 200, 34, "#00d6ff40", 1)
    c:font(Face(caption), 13)
    c:text(caption, 16, 12, cyan)
end

-- A fighter seen from above: a dart with swept wings, 23 units across.
local function Fighter(c)
    c:save()
    c:translate(285, 110)
    c:scale(0.25)
    c:polygon({ 0, -48, 10, -10, 46, 22, 46, 34, 10, 22, 6, 40, -6, 40, -10, 22, -46, 34, -46, 22, -10, -10 },
        "#00d6ff30", cyan, 4)
    c:line(0, -40, 0, 30, "#00d6ff80", 3)
    c:circle(0, -14, 5, "#00d6ff60", cyan, 3)
    c:restore()
end

function Draw(c)
    Frame(c)
    Fighter(c)
    c:save()
    c:alpha(0.4 + 0.6 * blink.value)
    c:circle(322, 20, 5, "#ff3030")
    c:restore()
end
