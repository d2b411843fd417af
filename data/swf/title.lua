-- The screen title: a band across the top of the screen with the title the game sets
-- (SetTitle), which fades in when it changes.
movie.design(1280, 69)

local title = ""
local fade = tween(1)

function SetTitle(text)
    if text == title then
        return
    end
    title = text
    fade:set(0)
    fade:to(1, 0.25)
end

function Draw(c)
    local band = c:linearGradient(0, 0, 1280, 0,
                                  { 0, "#0c141e00", 0.2, "#0c141ee0", 0.8, "#0c141ee0", 1, "#0c141e00" })
    c:rect(0, 6, 1280, 56, band)
    local edge = c:linearGradient(0, 0, 1280, 0, { 0, "#6fa8ff00", 0.5, ui.colors.border, 1, "#6fa8ff00" })
    c:rect(0, 6, 1280, 2, edge)
    c:rect(0, 60, 1280, 2, edge)
    c:alpha(fade.value)
    c:font(ui.font, 36, true)
    c:text(title, 641, 16, ui.colors.shadow, "center")
    c:text(title, 640, 14, ui.colors.text, "center")
end
