-- The parameters of the device the hangar shows (400 x 300): a title (SetTitle), four labels
-- (SetTxt1 ... SetTxt4) and four bars (SetLvl1 ... SetLvl4, 0..1).
movie.design(400, 300)

local title = ""
local labels = { "", "", "", "" }
local levels = {}
for i = 1, 4 do
    levels[i] = tween(0, 20, 66 + 54 * (i - 1), 360, 46)
end

function SetTitle(text)
    title = text
    movie.invalidate()
end

for i = 1, 4 do
    local row = i
    _G["SetTxt" .. i] = function(text)
        labels[row] = text
        movie.invalidate()
    end
    _G["SetLvl" .. i] = function(value)
        levels[row]:to(value, 0.25)
    end
end

function Draw(c)
    ui.panel(c, 6, 6, 388, 280)
    c:font(ui.font, 18, true)
    c:text(title, 22, 18, ui.colors.text)
    c:line(22, 46, 378, 46, ui.colors.border, 1)
    for i = 1, 4 do
        local top = 60 + 54 * (i - 1)
        c:font(ui.font, 14, true)
        c:text(labels[i], 22, top, ui.colors.textDisabled)
        ui.bar(c, 22, top + 22, 356, 12, levels[i].value, ui.colors.selected)
    end
end
