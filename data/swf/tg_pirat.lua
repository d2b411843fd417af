-- A pilot's row in the team-gathering lists (260 x 90). The game shows the pilot's face through
-- the hole at (8, 9, 51 x 51). SetName, SetCash, SetScore and SetEff set the values, SetTxt0 to
-- SetTxt3 their captions (name, price, score, efficiency), SetLevel(bar, value) the score bar
-- (0) or the efficiency bar (1) to 0..1, and SetState(1) marks the selected row, 0 the others.
movie.design(260, 90)

local values = { name = "", cash = "", score = "", eff = "" }
local captions = { name = "", cash = "", score = "", eff = "" }
local levels = { tween(0, 130, 40, 80, 45), tween(0, 130, 40, 80, 45) }
local state = ui.state(0, 0.2)

ui.setters(values, { SetName = "name", SetCash = "cash", SetScore = "score", SetEff = "eff" })
ui.setters(captions, { SetTxt0 = "name", SetTxt1 = "cash", SetTxt2 = "score", SetTxt3 = "eff" })

function SetLevel(bar, value)
    local level = levels[bar + 1]
    if level then
        level:to(value, 0.3)
    end
end

state:publish("SetState")

function Draw(c)
    local edge = state:colorIn({ [1] = ui.colors.selected }, ui.colors.border)
    c:roundRect(1, 1, 258, 88, 6, ui.colors.panel, edge, 2)
    ui.hole(c, 8, 9, 51, 51)
    c:rect(6, 7, 55, 55, NULL, edge, 2)

    c:font(ui.font, 11, true)
    c:text(captions.name, 68, 4, ui.colors.textDisabled)
    c:text(captions.cash, 252, 4, ui.colors.textDisabled, "right")
    c:font(ui.font, 16, true)
    c:text(values.name, 68, 17, ui.colors.text)
    c:font("OCRA", 15)
    c:text(values.cash, 252, 18, ui.colors.selected, "right")

    for bar, key in ipairs({ "score", "eff" }) do
        local y = 24 + bar * 20
        c:font(ui.font, 11, true)
        c:text(captions[key], 68, y, ui.colors.textDisabled)
        -- The bar ends short of its value, however wide the value is.
        c:font(ui.font, 12, true)
        local width = c:measure(values[key])
        ui.bar(c, 134, y + 2, math.max(math.min(70, 244 - width - 134), 24), 9, levels[bar].value)
        c:text(values[key], 252, y, ui.colors.text, "right")
    end
end
