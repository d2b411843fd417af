-- The yes/no box of the menus (400 x 256). SetText sets the question, SetYes and SetNo the two
-- answers, and SetState which one is chosen: 0 yes, 1 no. Without texts it asks its own.
movie.design(400, 256)

-- Opaque: the screen behind the box is dimmed, and none of it shows through the box.
local solid = "#0c141e"

local texts = { question = "Are you sure?", yes = "Yes", no = "No" }
local yes = ui.state(1, 0.12)
local no = ui.state(2, 0.12)

ui.setters(texts, { SetText = "question", SetYes = "yes", SetNo = "no" })

function SetState(state)
    if state == 0 then
        yes:set(2)
        no:set(1)
    else
        yes:set(1)
        no:set(2)
    end
end

function Draw(c)
    ui.panel(c, 4, 4, 392, 248, solid)
    c:rect(24, 118, 352, 2, ui.colors.border)
    ui.caption(c, texts.question, 20, 18, 360, 96, 24)
    ui.button(c, 40, 160, 150, 60, texts.yes, yes, 22)
    ui.button(c, 210, 160, 150, 60, texts.no, no, 22)
end
