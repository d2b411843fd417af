-- The box that tells a name is taken (475 x 280): two lines the game may set (SetMsg, SetMsg2).
movie.design(475, 280)

local message, message2 = "", ""

function SetMsg(text)
    message = text
    movie.invalidate()
end

function SetMsg2(text)
    message2 = text
    movie.invalidate()
end

function Draw(c)
    ui.panel(c, 10, 30, 455, 220, nil, "#ff6040")
    c:font(ui.font, 22, true)
    c:textBox(message, 30, 70, 415, 60, ui.colors.text, "center", "middle")
    c:font(ui.font, 15)
    c:textBox(message2, 30, 150, 415, 70, ui.colors.textDisabled, "center", "top")
end
