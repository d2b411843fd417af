-- The hangar's ship balance (350 x 512): a title (SetTitle), six captions (SetTxt0 ... SetTxt5)
-- and six bars (SetLevel(bar, value), bar 0..5, value 0..1) that glide to their values.
movie.design(350, 512)

local title = ""
local captions = { "", "", "", "", "", "" }
local bars = {}
for i = 1, 6 do
    bars[i] = tween(0, 20, 78 + 62 * (i - 1), 310, 40)
end

function SetTitle(text)
    title = text
    movie.invalidate()
end

for i = 0, 5 do
    local row = i + 1
    _G["SetTxt" .. i] = function(text)
        captions[row] = text
        movie.invalidate()
    end
end

function SetLevel(bar, value)
    local entry = bars[bar + 1]
    if entry then
        entry:to(value, 0.3)
    end
end

function Draw(c)
    ui.panel(c, 8, 8, 334, 440)
    c:font(ui.font, 20, true)
    c:text(title, 24, 22, ui.colors.text)
    c:line(24, 52, 326, 52, ui.colors.border, 1)
    for i = 1, 6 do
        local top = 70 + 62 * (i - 1)
        c:font(ui.font, 14, true)
        c:text(captions[i], 24, top, ui.colors.textDisabled)
        ui.bar(c, 24, top + 22, 240, 12, bars[i].value, ui.colors.selected)
        c:font("OCRA", 13)
        c:text(string.format("%d%%", math.floor(bars[i].value * 100 + 0.5)), 326, top + 20, ui.colors.text, "right")
    end
end
