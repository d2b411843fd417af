-- A column header: a caption (SetCaption) and a short second caption, a count (SetCaption2), on
-- a tab across the upper part of its 320 x 140 area. SetState(1) marks the active column, 0 the others.
movie.design(320, 140)

local caption = ""
local count = ""
local state = ui.state(0, 0.2)

function SetCaption(text)
    caption = text
    movie.invalidate()
end

function SetCaption2(text)
    count = text
    movie.invalidate()
end

state:publish("SetState")

function Draw(c)
    -- the active column's tab is in the selected colour
    local active = state:colorIn({ [1] = ui.colors.selected }, ui.colors.normal)
    c:roundRect(4, 28, 312, 54, 8, ui.colors.panel, active, 3)
    c:rect(4, 76, 312, 6, active)
    ui.caption(c, caption, 16, 28, 230, 48, 22, ui.colors.text, "left")
    if count != "" then
        c:roundRect(252, 37, 54, 32, 6, active)
        c:font("OCRA", 20)
        c:text(count, 279, 42, ui.colors.text, "center")
    end
end
