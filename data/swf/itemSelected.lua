-- The chosen offer of the stock exchange's list (512 x 180). The game lays the client's face at
-- (76, 65, 50 x 50) and its frame over it. SetName, SetR and SetM set the offer's name, race and
-- price, SetRM the hint to open it, SetS the number of stars, and SetState the look of an offer
-- that can be taken (1) or cannot (0).
movie.design(512, 180)

local texts = { name = "", race = "", money = "", more = "", stars = 0 }
local state = ui.state(1, 0.2)

ui.setters(texts, { SetName = "name", SetR = "race", SetM = "money", SetRM = "more", SetS = "stars" })
state:publish("SetState")

function Draw(c)
    local edge = state:colorIn({ [1] = ui.colors.selected }, "#c04848")
    c:roundRect(30, 22, 444, 130, 12, "#14243ae8", edge, 3)
    c:rect(70, 59, 62, 62, ui.colors.shadow)
    c:font(ui.font, 24, true)
    c:textBox(texts.name, 160, 32, 190, 34, ui.colors.text)
    c:font(ui.font, 16)
    c:text(texts.race, 160, 70, ui.colors.textDisabled)
    ui.stars(c, 160, 98, texts.stars, 20)
    c:font("OCRA", 24)
    c:text(texts.money, 460, 34, ui.colors.selected, "right")
    c:font(ui.font, 14, true)
    local width = c:text(texts.more, 442, 124, edge, "right")
    if width > 0 then
        c:polygon({ 448, 126, 460, 133, 448, 140 }, edge)
    end
end
