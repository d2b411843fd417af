-- The message of the profile panel when a typed name cannot be a pilot's (475 x 280): SetMsg
-- says what is wrong, SetMsg2 what to do.
movie.design(475, 280)

-- Opaque: the screen behind the box is dimmed, and none of it shows through the box.
local solid = "#0c141e"

local texts = { msg = "", msg2 = "" }

ui.setters(texts, { SetMsg = "msg", SetMsg2 = "msg2" })

function Draw(c)
    ui.panel(c, 4, 4, 467, 272, solid, ui.colors.selected)
    c:circle(237, 58, 30, NULL, ui.colors.selected, 4)
    c:font(ui.font, 40, true)
    c:text("!", 237, 34, ui.colors.selected, "center")
    ui.caption(c, texts.msg, 20, 100, 435, 80, 26)
    c:font(ui.font, 18)
    c:textBox(texts.msg2, 20, 190, 435, 70, ui.colors.textDisabled, "center", "middle")
end
