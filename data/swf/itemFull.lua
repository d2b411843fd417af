-- The opened offer of the stock exchange (512 x 300). The game lays the client's face at
-- (58, 61, 51 x 51) with its frame, and the emblem of the client's race at (388, 85, 51 x 51).
-- SetName, SetR, SetM, SetFrom, SetLocation and SetDesc set the offer's name, race, price,
-- client, location and objectives; SetTxt1 to SetTxt4 the captions of client, mission, location
-- and objectives; SetRM the hint to take it; SetS the number of stars.
movie.design(512, 300)

local texts = { name = "", race = "", money = "", more = "", stars = 0, from = "", location = "", desc = "" }
local captions = { "", "", "", "" }

ui.setters(texts, { SetName = "name", SetR = "race", SetM = "money", SetRM = "more", SetS = "stars",
                    SetFrom = "from", SetLocation = "location", SetDesc = "desc" })
ui.setters(captions, { SetTxt1 = 1, SetTxt2 = 2, SetTxt3 = 3, SetTxt4 = 4 })

local function Line(c, caption, value, y)
    c:font(ui.font, 14, true)
    c:text(caption, 32, y, ui.colors.textDisabled)
    c:font(ui.font, 15)
    c:text(value, 140, y, ui.colors.text)
end

function Draw(c)
    c:roundRect(18, 20, 470, 250, 12, "#14243af0", ui.colors.selected, 3)
    c:rect(52, 55, 63, 63, ui.colors.shadow)
    c:rect(384, 81, 59, 59, ui.colors.shadow, ui.colors.border, 1)
    c:font(ui.font, 13, true)
    c:text(captions[2], 140, 26, ui.colors.textDisabled)
    c:font(ui.font, 24, true)
    c:textBox(texts.name, 140, 42, 230, 34, ui.colors.text)
    ui.stars(c, 140, 84, texts.stars, 18)
    c:font("OCRA", 22)
    c:text(texts.money, 474, 30, ui.colors.selected, "right")
    c:font(ui.font, 13)
    c:text(texts.race, 413, 140, ui.colors.textDisabled, "center")

    Line(c, captions[1], texts.from, 158)
    Line(c, captions[3], texts.location, 177)
    c:font(ui.font, 14, true)
    c:text(captions[4], 32, 196, ui.colors.textDisabled)
    c:font(ui.font, 14)
    c:textBox(texts.desc, 32, 213, 340, 52, "#c8d8f0")
    c:font(ui.font, 14, true)
    c:text(texts.more, 474, 246, ui.colors.border, "right")
end
