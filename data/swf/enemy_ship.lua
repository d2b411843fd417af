-- The target panel's picture: a framed schematic of the enemy fighter beside the four level
-- bars the HUD draws over it. The HUD dims the layer while no target has been scanned.
movie.design(385, 220)

local blink = tween(0, 350, 10, 20, 20)

function Update(dt)
    if not blink:running() then
        if blink.value < 0.5 then
            blink:to(1, 0.8)
        else
            blink:to(0, 0.8)
        end
    end
end

local cyan = "#00d6ff"

local function Frame(c)
    c:roundRect(4, 4, 377, 212, 10, "#04142acc", "#00d6ff90", 2)
    c:line(14, 60, 371, 60, "#00d6ff40", 1)
    c:font("OCRA", 13)
    c:text("TARGET", 16, 12, cyan)
end

-- A fighter seen from above: a dart with swept wings.
local function Fighter(c)
    c:save()
    c:translate(300, 112)
    c:polygon({ 0, -48, 10, -10, 46, 22, 46, 34, 10, 22, 6, 40, -6, 40, -10, 22, -46, 34, -46, 22, -10, -10 },
        "#00d6ff30", cyan, 1.5)
    c:line(0, -40, 0, 30, "#00d6ff80", 1)
    c:circle(0, -14, 5, "#00d6ff60", cyan, 1)
    c:restore()
end

function Draw(c)
    Frame(c)
    Fighter(c)
    c:save()
    c:alpha(0.4 + 0.6 * blink.value)
    c:circle(360, 20, 5, "#ff3030")
    c:restore()
end
