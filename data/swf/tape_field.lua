-- The name entry of the profile panel (512 x 300): a prompt (SetMsg), a hint (SetMsg2) and the
-- name as it is typed (SetName), with a blinking cursor after it.
movie.design(512, 300)

-- Opaque: the screen behind the box is dimmed, and none of it shows through the box.
local solid = "#0c141e"

local texts = { msg = "", msg2 = "", name = "" }
local blink = 0

ui.setters(texts, { SetMsg = "msg", SetMsg2 = "msg2", SetName = "name" })

function Update(dt)
    blink = math.fmod(blink + dt, 1)
    movie.invalidate(40, 120, 432, 70)
end

function Draw(c)
    ui.panel(c, 4, 4, 504, 292, solid)
    ui.caption(c, texts.msg, 20, 20, 472, 80, 24)
    c:roundRect(40, 120, 432, 70, 8, ui.colors.shadow, ui.colors.selected, 2)
    c:font(ui.font, 32, true)
    local width = c:text(texts.name, 60, 137, ui.colors.text)
    if blink < 0.5 then
        c:rect(64 + width, 137, 14, 36, ui.colors.selected)
    end
    c:font(ui.font, 18)
    c:textBox(texts.msg2, 20, 210, 472, 70, ui.colors.textDisabled, "center", "middle")
end
