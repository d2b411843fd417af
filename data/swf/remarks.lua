-- The tips strip at the foot of the menu screens. Set1 sets its label ("Tip"), Set2, Set3 and
-- Set4 the tips, which take turns every six seconds with a short fade. Its panel starts 5 below
-- the strip's top, so that the carousels standing on it keep a gap.
movie.design(1205, 45)

local label = ""
local tips = { "", "", "" }
local shown = 1
local fade = tween(1, 0, 0, 1205, 45)
local ShowSeconds = 6
local FadeSeconds = 0.3
local clock = 0

local function SetTip(index, text)
    tips[index] = text
    if index == shown then
        movie.invalidate()
    end
end

function Set1(text)
    label = text
    movie.invalidate()
end

function Set2(text) SetTip(1, text) end
function Set3(text) SetTip(2, text) end
function Set4(text) SetTip(3, text) end

-- The next tip that has a text, after the one shown.
local function NextTip()
    for step = 1, 3 do
        local index = math.fmod(shown - 1 + step, 3) + 1
        if tips[index] != "" then
            return index
        end
    end
    return shown
end

function Update(dt)
    clock = clock + dt
    if clock >= ShowSeconds then
        clock = 0
        fade:to(0, FadeSeconds)
    elseif not fade:running() and fade.value == 0 then
        shown = NextTip()
        fade:to(1, FadeSeconds)
    end
end

function Draw(c)
    ui.panel(c, 1, 5, 1203, 39)
    c:font(ui.font, 18, true)
    local width = c:text(label, 20, 14, ui.colors.selected)
    c:alpha(fade.value)
    c:font(ui.font, 18)
    c:textBox(tips[shown], 40 + width, 6, 1145 - width, 37, ui.colors.text, "left", "middle")
end
