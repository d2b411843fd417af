-- The message board of the team gathering (500 x 420), shown when the gang cannot be paid:
-- SetTxt sets its text. It fades in when shown.
movie.design(500, 420)

local text = ""
local fade = tween(0)
fade:to(1, 0.3)

function SetTxt(value)
    text = value
    movie.invalidate()
end

function Draw(c)
    c:alpha(fade.value)
    c:roundRect(6, 6, 488, 300, 14, "#0c141ef0", "#ff6040", 3)
    c:font(ui.font, 40, true)
    c:text("!", 250, 24, "#ff6040", "center")
    c:font(ui.font, 22, true)
    c:textBox(text, 40, 84, 420, 200, ui.colors.text, "center", "middle")
end
