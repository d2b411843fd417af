-- The settings of a game to create (650 x 370): SetTxt0 .. SetTxt5 caption the server name, the
-- players, the frag limit, the time limit in minutes, the hint under them and the title;
-- SetServerName shows the name typed so far; SetActiveSlot(slot) marks the focused row (1 the
-- name, 2 .. 4 the three settings, 0 none: the create button has the focus); EventRight and
-- EventLeft step the focused setting; GetPL, GetFL and GetTL answer the players, the frag limit
-- and the time limit in minutes.
movie.design(650, 370)
movie.length = 30

local captions = { "", "", "", "", "", "" }
local name = ""
local active = 1
-- The three settings, in the order of their rows.
local settings = {
    { value = 8, low = 2, high = 16, step = 1 },
    { value = 20, low = 5, high = 100, step = 5 },
    { value = 15, low = 5, high = 60, step = 5 },
}
local marker = tween(1)

for i = 0, 5 do
    local caption = i + 1
    _G["SetTxt" .. i] = function(text)
        captions[caption] = text
        movie.invalidate()
    end
end

function SetServerName(text)
    name = text
    movie.invalidate()
end

function SetActiveSlot(slot)
    if slot == active then
        return
    end
    active = slot
    if slot >= 1 and slot <= 4 then
        marker:to(slot, 0.12)
    end
    movie.invalidate()
end

local function Step(direction)
    local setting = settings[active - 1]
    if not setting then
        return
    end
    setting.value = math.max(setting.low, math.min(setting.high, setting.value + direction * setting.step))
    movie.invalidate()
end

function EventRight()
    Step(1)
end

function EventLeft()
    Step(-1)
end

function GetPL()
    return settings[1].value
end

function GetFL()
    return settings[2].value
end

function GetTL()
    return settings[3].value
end

function Update()
    if active == 1 and (movie.frame == 0 or movie.frame == 15) then
        movie.invalidate(300, 70, 330, 50)
    end
end

local function RowY(row)
    return 70 + 56 * (row - 1)
end

function Draw(c)
    ui.panel(c, 10, 10, 630, 350)
    c:font(ui.font, 20, true)
    c:text(captions[6], 30, 24, ui.colors.text)
    if active >= 1 and active <= 4 then
        c:rect(20, RowY(marker.value) - 4, 610, 48, "#ffd04030", ui.colors.selected, 1)
    end
    c:font(ui.font, 16, true)
    for row = 1, 4 do
        local paint = ui.colors.textDisabled
        if row == active then
            paint = ui.colors.text
        end
        c:text(captions[row], 36, RowY(row) + 10, paint)
    end
    -- The name field and its cursor.
    c:rect(300, RowY(1), 320, 40, ui.colors.shadow, ui.colors.border, 1)
    c:font(ui.font, 20, true)
    local width = c:text(name, 312, RowY(1) + 8, ui.colors.text)
    if active == 1 and movie.frame < 15 then
        c:rect(315 + width, RowY(1) + 6, 2, 28, ui.colors.selected)
    end
    -- The settings with the arrows that step them.
    for i = 1, 3 do
        local y = RowY(i + 1)
        local arrows = ui.colors.disabled
        if active == i + 1 then
            arrows = ui.colors.selected
        end
        c:polygon({ 400, y + 20, 414, y + 8, 414, y + 32 }, arrows)
        c:polygon({ 600, y + 20, 586, y + 8, 586, y + 32 }, arrows)
        c:font("OCRA", 22)
        c:text(tostring(settings[i].value), 500, y + 8, ui.colors.text, "center")
    end
    c:font(ui.font, 13)
    c:text(captions[5], 36, 300, ui.colors.textDisabled)
end
