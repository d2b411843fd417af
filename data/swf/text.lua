-- The caption of the picture carousel's selected item (256 x 32): SetTxt sets it, and it fades
-- in when it changes.
movie.design(256, 32)

local caption = ""
local fade = tween(1)

function SetTxt(text)
    if text == caption then
        return
    end
    caption = text
    fade:set(0)
    fade:to(1, 0.25)
end

function Draw(c)
    c:alpha(fade.value)
    ui.caption(c, caption, 2, 0, 252, 32, 20, ui.colors.text)
end
