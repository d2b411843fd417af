-- The field a new name is typed into (512 x 300): two lines of prompt (SetMsg, SetMsg2) and the
-- name typed so far (SetName), with a blinking cursor after it.
movie.design(512, 300)
movie.length = 30

local message, message2, name = "", "", ""

function SetMsg(text)
    message = text
    movie.invalidate()
end

function SetMsg2(text)
    message2 = text
    movie.invalidate()
end

function SetName(text)
    name = text
    movie.invalidate()
end

function Update()
    if movie.frame == 0 or movie.frame == 15 then
        movie.invalidate(40, 150, 432, 60)
    end
end

function Draw(c)
    ui.panel(c, 10, 40, 492, 220)
    c:font(ui.font, 22, true)
    c:text(message, 256, 66, ui.colors.text, "center")
    c:font(ui.font, 14)
    c:text(message2, 256, 104, ui.colors.textDisabled, "center")
    c:rect(40, 150, 432, 52, ui.colors.shadow, ui.colors.border, 1)
    c:font(ui.font, 26, true)
    local width = c:text(name, 56, 162, ui.colors.text)
    if movie.frame < 15 then
        c:rect(60 + width, 160, 3, 34, ui.colors.selected)
    end
end
