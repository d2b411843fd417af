-- The system report: five channels that light up in the colour the game sets and flash when
-- they change. Channel 0 is one bar; channels 1 to 4 have two parts each. The game calls
-- Color0(r, g, b) and Anim0(), and Color1_0 ... Anim4_1 for the parts.
movie.design(200, 250)

local parts = {}

local function Part(name, x, y, w, h)
    local part = { color = "#39424d", x = x, y = y, w = w, h = h, flash = tween(0, x - 4, y - 4, w + 8, h + 8) }
    table.insert(parts, part)
    _G["Color" .. name] = event(r, g, b)
        part.color = { r, g, b }
        movie.invalidate(x - 4, y - 4, w + 8, h + 8)
    end
    _G["Anim" .. name] = event()
        part.flash:set(1)
        part.flash:to(0, 0.6)
    end
end

Part("0", 16, 48, 168, 26)
for channel = 1, 4 do
    local y = 48 + channel * 40
    Part(channel .. "_0", 16, y, 80, 26)
    Part(channel .. "_1", 104, y, 80, 26)
end

function Draw(c)
    ui.panel(c, 0, 0, 200, 250)
    c:font("OCRA", 16)
    c:text("SYSTEM", 100, 14, ui.colors.text, "center")
    for _, part in ipairs(parts) do
        c:roundRect(part.x, part.y, part.w, part.h, 4, part.color, "#ffffff40", 1)
        if part.flash.value > 0 then
            c:save()
            c:alpha(part.flash.value)
            c:roundRect(part.x - 3, part.y - 3, part.w + 6, part.h + 6, 6, NULL, "#ffffff", 3)
            c:restore()
        end
    end
end
