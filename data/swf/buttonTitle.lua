-- A column header: a caption (SetCaption) and a short second caption, a count (SetCaption2), on
-- a tab across the upper part of its 320 x 140 area. SetState(1) marks the active column, 0 the others.
-- The count's badge grows to hold its text, and the caption shrinks to the room left of it.
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
    local right = 306
    if count != "" then
        c:font("OCRA", 20)
        local width = math.max(54, c:measure(count) + 20)
        c:roundRect(306 - width, 37, width, 32, 6, active)
        c:text(count, 306 - width / 2, 42, ui.colors.text, "center")
        right = 306 - width - 8
    end
    local size = 22
    c:font(ui.font, size, true)
    while size > 12 and c:measure(caption) > right - 16 do
        size = size - 1
        c:font(ui.font, size, true)
    end
    ui.caption(c, caption, 16, 28, right - 16, 48, size, ui.colors.text, "left")
end
