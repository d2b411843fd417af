-- The races' ratings on the stock exchange (410 x 660): seven rows, each with the emblem the
-- game lays at (72, 72 + 75 row, 51 x 51). SetName(row, text) and SetNameSmall(row, text) set a
-- race's name and code, SetNameC and SetRateC the captions of name and rating, and
-- SetRate(row, value) its rating, 0..1. Rows are numbered from 0.
movie.design(410, 660)

local Rows = 7
local rows = {}
for i = 1, Rows do
    local top = 64 + 75 * (i - 1)
    rows[i] = { name = "", code = "", nameCaption = "", rateCaption = "", rate = tween(0, 130, top, 270, 70) }
end

ui.rowSetters(rows, { SetName = "name", SetNameSmall = "code", SetNameC = "nameCaption",
                      SetRateC = "rateCaption" })

function SetRate(row, value)
    local entry = rows[row + 1]
    if entry then
        entry.rate:to(value, 0.4)
    end
end

function Draw(c)
    ui.panel(c, 6, 40, 398, 560)
    for i, row in ipairs(rows) do
        local top = 64 + 75 * (i - 1)
        if i > 1 then
            c:line(24, top - 3, 386, top - 3, "#6fa8ff40", 1)
        end
        c:rect(68, top + 4, 59, 59, ui.colors.shadow, ui.colors.border, 1)
        c:font(ui.font, 11, true)
        c:text(row.nameCaption, 140, top + 4, ui.colors.textDisabled)
        c:text(row.code, 390, top + 4, ui.colors.textDisabled, "right")
        c:font(ui.font, 18, true)
        c:text(row.name, 140, top + 17, ui.colors.text)
        c:font(ui.font, 11, true)
        c:text(row.rateCaption, 140, top + 45, ui.colors.textDisabled)
        ui.bar(c, 200, top + 46, 140, 10, row.rate.value, ui.colors.selected)
        c:font("OCRA", 13)
        c:text(string.format("%d%%", math.floor(row.rate.value * 100 + 0.5)), 390, top + 43, ui.colors.text, "right")
    end
end
