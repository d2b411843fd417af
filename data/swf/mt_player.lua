-- A player's row in the lobby (260 x 90). The game shows the player's picture through the hole
-- at (8, 9, 51 x 51). SetName, SetCash, SetScore and SetEff set the texts, SetLevel(level,
-- value) one of the three level bars (0..2) to 0..1, and SetState(1) marks the row, 0 the others.
movie.design(260, 90)

local values = { name = "", cash = "", score = "", eff = "" }
local levels = { tween(0, 68, 40, 184, 46), tween(0, 68, 40, 184, 46), tween(0, 68, 40, 184, 46) }
local state = ui.state(0, 0.2)

ui.setters(values, { SetName = "name", SetCash = "cash", SetScore = "score", SetEff = "eff" })

function SetLevel(level, value)
    local bar = levels[level + 1]
    if bar then
        bar:to(math.max(0, math.min(1, value)), 0.3)
    end
end

state:publish("SetState")

function Draw(c)
    local edge = state:colorIn({ [1] = ui.colors.selected }, ui.colors.border)
    c:roundRect(1, 1, 258, 88, 6, ui.colors.panel, edge, 2)
    ui.hole(c, 8, 9, 51, 51)
    c:rect(6, 7, 55, 55, NULL, edge, 2)

    c:font(ui.font, 17, true)
    c:text(values.name, 68, 10, ui.colors.text)
    c:font("OCRA", 13)
    c:text(values.cash, 252, 12, ui.colors.selected, "right")
    c:font(ui.font, 11, true)
    c:text(values.score, 68, 66, ui.colors.textDisabled)
    c:text(values.eff, 252, 66, ui.colors.textDisabled, "right")
    for i = 1, 3 do
        ui.bar(c, 68, 36 + 9 * (i - 1), 184, 6, levels[i].value)
    end
end
