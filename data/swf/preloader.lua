-- The loading screen of a mission: the title the game sets, a tip under it and a bar that fills
-- as the level is read. The game calls SetText(text) and SetTip(text) once, then
-- SetProgress(fraction) with 0..1. The game places the movie 50 units right of the screen's left
-- edge, so its middle is at 590.
movie.design(1280, 148)

local centre = 590
local title = ""
local tip = ""
local progress = tween(0, centre - 544, 84, 1088, 40)

function SetText(text)
    title = text or ""
    movie.invalidate(0, 0, 1280, 80)
end

function SetTip(text)
    tip = text or ""
    movie.invalidate(0, 58, 1280, 24)
end

function SetProgress(fraction)
    local target = tonumber(fraction) or 0
    if target < 0 then target = 0 end
    if target > 1 then target = 1 end
    progress:to(target, 0.2)
end

function Draw(c)
    c:font("OCRA", 36, true)
    c:text(title, centre, 16, ui.colors.text, "center")
    c:font("Arial", 18)
    c:text(tip, centre, 61, ui.colors.textDisabled, "center")
    c:roundRect(centre - 544, 84, 1088, 40, 8, "#0b1118", ui.colors.border, 2)
    local width = 1080 * progress.value
    if width > 0 then
        local fill = c:linearGradient(centre - 540, 0, centre + 540, 0, {0, "#1f6fa8", 1, "#6fd0ff"})
        c:roundRect(centre - 540, 88, width, 32, 6, fill)
    end
    c:font("OCRA", 20)
    c:text(string.format("%d%%", math.floor(progress.value * 100 + 0.5)), centre, 94, ui.colors.text, "center")
end
