-- The mission's page on the mission description screen (540 x 650). The game lays the client's
-- face at (74, 66, 51 x 51) under the frame movie "md_e" and the emblem of his race at
-- (403, 89, 51 x 51). SetTxt1 to SetTxt4 and SetMT set the captions of client, mission,
-- location, objectives and team; SetName, SetTitle, SetLocation and SetDesc the client, the
-- mission's name, its location and its description; SetTeam the gang hired for a team mission
-- ("hired / seats: names"), empty for a solo mission, which shows no team line.
movie.design(540, 650)

local captions = { from = "", title = "", location = "", objectives = "", team = "" }
local texts = { from = "", title = "", location = "", desc = "", team = "" }

ui.setters(captions, { SetTxt1 = "from", SetTxt2 = "title", SetTxt3 = "location", SetTxt4 = "objectives",
                       SetMT = "team" })
ui.setters(texts, { SetName = "from", SetTitle = "title", SetLocation = "location", SetDesc = "desc",
                    SetTeam = "team" })

local function Caption(c, text, y)
    c:font(ui.font, 15, true)
    c:text(text, 150, y, ui.colors.textDisabled)
end

function Draw(c)
    ui.panel(c, 4, 4, 532, 592)
    c:rect(56, 48, 87, 87, ui.colors.shadow)
    c:rect(396, 82, 65, 65, ui.colors.shadow, ui.colors.border, 1)

    Caption(c, captions.from, 52)
    c:font(ui.font, 20, true)
    c:text(texts.from, 150, 70, ui.colors.text)
    Caption(c, captions.title, 100)
    c:font(ui.font, 22, true)
    c:textBox(texts.title, 150, 118, 236, 60, ui.colors.selected)
    Caption(c, captions.location, 182)
    c:font(ui.font, 18)
    c:text(texts.location, 150, 200, ui.colors.text)

    c:line(24, 238, 516, 238, ui.colors.border, 1)
    c:font(ui.font, 17, true)
    c:text(captions.objectives, 24, 252, ui.colors.textDisabled)
    c:font(ui.font, 17)
    c:textBox(texts.desc, 24, 278, 492, 236, "#c8d8f0")
    if texts.team != "" then
        c:font(ui.font, 15, true)
        c:text(captions.team, 24, 522, ui.colors.textDisabled)
        c:font(ui.font, 15)
        c:textBox(texts.team, 24, 542, 492, 40, ui.colors.text)
    end
end
