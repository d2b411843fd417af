-- The open category tab of the hangar's fitting panel (512 x 512; the tab fills x 76 to 391,
-- y 83 to 133, its list of slots hangs below it): SetType(number, caption) names the category,
-- ClearAllText and AddText(name) fill the list, SetSelected(row) marks a row and SetShift(by)
-- slides the marker in from `by` units away; StartAnimation unrolls the list.
movie.design(512, 512)

local kind, caption = 0, ""
local rows = {}
local selected = 0
local unroll = tween(1)
local marker = tween(0)

function SetType(number, text)
    if number == kind and text == caption then
        return
    end
    kind, caption = number, text
    movie.invalidate()
end

function ClearAllText()
    rows = {}
    selected = 0
    marker:set(0)
    movie.invalidate()
end

function AddText(text)
    table.insert(rows, text)
    movie.invalidate()
end

function StartAnimation()
    unroll:set(0)
    unroll:to(1, 0.3)
end

function SetSelected(row)
    selected = row
    marker:to(0, 0.15)
    movie.invalidate()
end

function SetShift(by)
    marker:set(-by)
end

function Draw(c)
    ui.panel(c, 80, 83, 307, 46, "#143048e8", ui.colors.selected)
    c:font(ui.font, 20, true)
    c:text(caption, 233, 94, ui.colors.text, "center")
    local count = table.getn(rows)
    if count == 0 then
        return
    end
    local shown = math.floor(count * unroll.value + 0.5)
    ui.panel(c, 92, 136, 283, 12 + 30 * shown)
    local y = 142 + 30 * selected + marker.value
    c:rect(96, y, 275, 28, "#ffd04030", ui.colors.selected, 1)
    c:font(ui.font, 15, true)
    for i = 1, shown do
        local paint = ui.colors.textDisabled
        if i - 1 == selected then
            paint = ui.colors.text
        end
        c:text(rows[i], 108, 146 + 30 * (i - 1), paint)
    end
end
