-- The parameters of the device the hangar shows (400 x 300): a title (SetTitle), four labels
-- (SetTxt1 ... SetTxt4) and four bars (SetLvl1 ... SetLvl4, 0..1). The panel keeps clear of the
-- screen's right edge, of the ship's flight model on its left and of the tips strip below.
movie.design(400, 300)

local title = ""
local labels = { "", "", "", "" }
local levels = {}
for i = 1, 4 do
    levels[i] = tween(0, 30, 78 + 50 * (i - 1), 344, 16)
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
    ui.panel(c, 16, 6, 370, 264)
    c:font(ui.font, 18, true)
    c:text(title, 32, 18, ui.colors.text)
    c:line(32, 46, 372, 46, ui.colors.border, 1)
    for i = 1, 4 do
        local top = 58 + 50 * (i - 1)
        c:font(ui.font, 14, true)
        c:text(labels[i], 32, top, ui.colors.textDisabled)
        ui.bar(c, 32, top + 22, 340, 12, levels[i].value, ui.colors.selected)
    end
end
