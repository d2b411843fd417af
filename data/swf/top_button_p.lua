-- A category tab of the hangar's fitting panel that is not open (512 x 128; the tab fills x 75
-- to 390 of it): SetType(number, caption), the category 1 to 4 and its name.
movie.design(512, 128)

local kind, caption = 0, ""

function SetType(number, text)
    kind, caption = number, text
    movie.invalidate()
end

function Draw(c)
    ui.panel(c, 79, 4, 307, 42)
    c:font(ui.font, 18, true)
    c:text(caption, 232, 14, ui.colors.textDisabled, "center")
    c:font("OCRA", 12)
    c:text(tostring(kind), 92, 18, ui.colors.border)
end
