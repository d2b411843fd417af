-- The red notice of the create-game screen (475 x 220) while the game cannot be created yet:
-- SetTxt gives its text. It pulses gently.
movie.design(475, 220)
movie.length = 60

local text = ""

function SetTxt(value)
    text = value
    movie.invalidate()
end

function Update()
    movie.invalidate()
end

function Draw(c)
    local glow = 0.6 + 0.4 * math.abs(math.cos(movie.frame * 3.14159 / 60))
    c:roundRect(20, 60, 435, 100, 10, "#3a0c0ce0", mix("#ff404040", "#ff4040", glow), 2)
    c:font(ui.font, 20, true)
    c:textBox(text, 40, 70, 395, 80, "#ffb0a0", "center", "middle")
end
