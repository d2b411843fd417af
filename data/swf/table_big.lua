-- The table of found games in the multiplayer menu (1280 x 648): SetTxt0 .. SetTxt4 caption the
-- columns (server, map, mode, players, limit), AddMission(name, map, mode, players, limit) adds a
-- row, Reset empties the table, EventUp and EventDown move the selection, and GetSelected
-- answers the selected row from 0, or -1 while the table is empty, which says how to search.
movie.design(1280, 648)

local captions = { "", "", "", "", "" }
local rows = {}
local selected = 0
local first = 0 -- the row shown at the top
local visible = 12
local columns = { 170, 470, 720, 930, 1030 }
local marker = tween(0)

for i = 0, 4 do
    local column = i + 1
    _G["SetTxt" .. i] = function(text)
        captions[column] = text
        movie.invalidate()
    end
end

function AddMission(name, map, mode, players, limit)
    table.insert(rows, { name, map, mode, players, limit })
    movie.invalidate()
end

function Reset()
    rows = {}
    selected = 0
    first = 0
    marker:set(0)
    movie.invalidate()
end

local function Select(row)
    local count = table.getn(rows)
    if count == 0 then
        return
    end
    row = math.max(0, math.min(count - 1, row))
    if row == selected then
        return
    end
    selected = row
    if selected < first then
        first = selected
    elseif selected >= first + visible then
        first = selected - visible + 1
    end
    marker:set(selected - first)
    movie.invalidate()
end

function EventUp()
    Select(selected - 1)
end

function EventDown()
    Select(selected + 1)
end

function GetSelected()
    if table.getn(rows) == 0 then
        return -1
    end
    return selected
end

function Draw(c)
    ui.panel(c, 150, 70, 980, 560)
    c:rect(150, 70, 980, 44, "#1f5fa860", NULL)
    c:font(ui.font, 17, true)
    for i = 1, 5 do
        c:text(captions[i], columns[i], 82, ui.colors.text)
    end
    c:line(160, 114, 1120, 114, ui.colors.border, 1)
    local count = table.getn(rows)
    if count == 0 then
        c:font(ui.font, 17)
        c:text("Press Space to search the network for games.", 640, 330, ui.colors.textDisabled, "center")
    else
        c:rect(156, 122 + 40 * marker.value, 968, 36, "#ffd04030", ui.colors.selected, 1)
    end
    for shown = 0, visible - 1 do
        local row = rows[first + shown + 1]
        if not row then
            break
        end
        local y = 130 + 40 * shown
        local paint = ui.colors.textDisabled
        if first + shown == selected then
            paint = ui.colors.text
        end
        c:font(ui.font, 17, first + shown == selected)
        for i = 1, 5 do
            c:text(row[i], columns[i], y, paint)
        end
    end
    if first > 0 then
        c:polygon({ 640, 118, 652, 128, 628, 128 }, ui.colors.border)
    end
    if first + visible < count then
        c:polygon({ 640, 622, 652, 612, 628, 612 }, ui.colors.border)
    end
end
