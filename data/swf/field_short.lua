-- The pilot's detail table of the profile panel (650 x 512): the pilot's name (SetName), and
-- five rows of a caption (SetCaption(row, text)) and a value (SetValue(row, text)), rows 0 to 4.
-- The game shows the pilot's portrait through the hole at (81, 33, 129 x 129).
movie.design(650, 512)

local name = ""
local rows = { {}, {}, {}, {}, {} }

ui.rowSetters(rows, { SetCaption = "caption", SetValue = "value" })

function SetName(text)
    name = text
    movie.invalidate()
end

function Draw(c)
    ui.panel(c, 4, 4, 642, 504)
    ui.hole(c, 81, 33, 129, 129)
    c:rect(77, 29, 137, 137, NULL, ui.colors.border, 3)
    c:font(ui.font, 34, true)
    c:text(name, 240, 62, ui.colors.text)
    c:rect(240, 112, 370, 2, ui.colors.selected)
    for i, row in ipairs(rows) do
        local y = 196 + (i - 1) * 58
        c:rect(40, y - 8, 570, 50, "#1f5fa820")
        c:font(ui.font, 20, true)
        c:text(row.caption or "", 60, y + 4, ui.colors.textDisabled)
        c:font("OCRA", 24)
        c:text(row.value or "", 590, y + 2, ui.colors.selected, "right")
    end
end
