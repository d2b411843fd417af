-- The pilot header of the menu screens (1280 x 256). The game shows the pilot's portrait through
-- the hole on the left (46, 73, 100 x 100) and the ship's picture over the frame on the right
-- (1107, 62, 128 x 128), whose ship fills its middle. SetName, SetScore, SetCash and SetSName
-- set the pilot's name, score, cash and ship; Set1 to Set4 the captions of status, cash, score
-- and ship. A changed cash flashes briefly. The panel holds the picture's frame and stays between
-- the screen's title above and the columns the screens start 193 below the movie's top.
movie.design(1280, 256)

local values = { name = "", score = "", cash = "", ship = "" }
local captions = { "", "", "", "" }
local flash = tween(0, 160, 140, 240, 40)

ui.setters(values, { SetName = "name", SetScore = "score", SetSName = "ship" })
ui.setters(captions, { Set1 = 1, Set2 = 2, Set3 = 3, Set4 = 4 })

function SetCash(text)
    values.cash = text
    flash:set(1)
    flash:to(0, 0.5)
end

local function Caption(c, text, x, y, align)
    c:font(ui.font, 14, true)
    c:text(text, x, y, ui.colors.textDisabled, align)
end

function Draw(c)
    ui.panel(c, 20, 58, 1240, 130)
    -- the portrait lies under the movie, the ship's picture over it
    ui.hole(c, 46, 73, 100, 100)
    c:rect(43, 70, 106, 106, NULL, ui.colors.border, 2)
    c:rect(1103, 64, 136, 120, ui.colors.shadow, ui.colors.border, 2)

    Caption(c, captions[1], 170, 70)
    c:font(ui.font, 30, true)
    c:text(values.name, 170, 86, ui.colors.text)

    Caption(c, captions[2], 170, 128)
    Caption(c, captions[3], 420, 128)
    if flash.value > 0 then
        c:roundRect(166, 143, 220, 34, 6, mix("#e39a2d00", "#e39a2d80", flash.value))
    end
    c:font("OCRA", 24)
    c:text(values.cash, 170, 147, ui.colors.selected)
    c:text(values.score, 420, 147, ui.colors.text)

    Caption(c, captions[4], 1085, 70, "right")
    c:font(ui.font, 26, true)
    c:text(values.ship, 1085, 86, ui.colors.text, "right")
end
