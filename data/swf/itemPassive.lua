-- An offer in the stock exchange's list (420 x 160). The game lays the client's face at
-- (58, 54, 50 x 50) and its frame over it. SetName, SetR and SetM set the offer's name, race
-- and price, SetRM the hint to open it, SetS the number of stars, and SetState whether the
-- offer can be taken (1) or not (0).
movie.design(420, 160)

local texts = { name = "", race = "", money = "", more = "", stars = 0 }
local state = ui.state(1, 0.2)

ui.setters(texts, { SetName = "name", SetR = "race", SetM = "money", SetRM = "more", SetS = "stars" })
state:publish("SetState")

function Draw(c)
    local edge = state:colorIn({ [1] = ui.colors.border }, "#a04040")
    c:roundRect(10, 26, 400, 104, 10, ui.colors.panel, edge, 2)
    c:rect(52, 48, 62, 62, ui.colors.shadow)
    c:font(ui.font, 20, true)
    c:textBox(texts.name, 140, 32, 180, 28, ui.colors.text)
    c:font(ui.font, 15)
    c:text(texts.race, 140, 62, ui.colors.textDisabled)
    ui.stars(c, 140, 86, texts.stars, 16)
    c:font("OCRA", 20)
    c:text(texts.money, 396, 36, ui.colors.selected, "right")
    c:font(ui.font, 13, true)
    c:text(texts.more, 396, 106, ui.colors.border, "right")
end
