-- The lobby's server board and chat line (550 x 550). SetTxt0 .. SetTxt4 caption the server
-- name, the mode, the frag limit, the time limit and the chat line; SetServerName and
-- SetGameType give the texts, SetFragLimit and SetTimeLimit (minutes) the numbers, and
-- ChangeChatMessage the line typed so far, behind which a cursor blinks.
movie.design(550, 550)
movie.length = 30

local captions = { "", "", "", "", "" }
local values = { server = "", mode = "", frags = "", minutes = "" }
local line = ""

for i = 0, 4 do
    local caption = i + 1
    _G["SetTxt" .. i] = function(text)
        captions[caption] = text
        movie.invalidate()
    end
end

ui.setters(values, { SetServerName = "server", SetGameType = "mode" })

function SetFragLimit(frags)
    values.frags = tostring(frags)
    movie.invalidate()
end

function SetTimeLimit(minutes)
    values.minutes = tostring(minutes)
    movie.invalidate()
end

function ChangeChatMessage(text)
    line = text
    movie.invalidate()
end

function Update()
    if movie.frame == 0 or movie.frame == 15 then
        movie.invalidate(20, 470, 510, 56)
    end
end

function Draw(c)
    ui.panel(c, 10, 30, 530, 500)
    local shown = { values.server, values.mode, values.frags, values.minutes }
    for i = 1, 4 do
        local y = 52 + 44 * (i - 1)
        c:font(ui.font, 15, true)
        c:text(captions[i], 34, y + 4, ui.colors.textDisabled)
        c:font(ui.font, 20, true)
        c:text(shown[i], 516, y, ui.colors.text, "right")
        c:line(30, y + 34, 520, y + 34, "#6fa8ff30", 1)
    end
    c:font(ui.font, 15, true)
    c:text(captions[5], 34, 440, ui.colors.textDisabled)
    c:rect(24, 466, 502, 48, ui.colors.shadow, ui.colors.border, 1)
    c:save()
    c:clip(26, 468, 498, 44)
    c:font(ui.font, 18)
    local width = c:measure(line)
    -- A long line scrolls so that its end stays in sight.
    local x = math.min(36, 504 - width)
    c:text(line, x, 478, ui.colors.text)
    if movie.frame < 15 then
        c:rect(x + width + 3, 476, 2, 28, ui.colors.selected)
    end
    c:restore()
end
