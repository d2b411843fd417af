-- The console overlay: the game console's lines above an input line with a blinking caret.
-- The game adds lines (AddLineToConsole), sets the input line (SetCurrentConsoleLine), reads it
-- (GetCommand), pages (PageUp, PageDown) and types into it (AddSymbol, one byte at a time).
movie.design(1280, 480)

local MaxLines = 500
local LineHeight = 20
local InputTop = 440
local Visible = 20

local lines = {}
local scroll = 0 -- lines scrolled back from the newest
local input = ""
local caret = true
local blink = 0

local function ShowLines()
    movie.invalidate(0, 0, 1280, InputTop)
end

local function ShowInput()
    movie.invalidate(0, InputTop, 1280, 480 - InputTop)
end

local function MaxScroll()
    return math.max(table.getn(lines) - Visible, 0)
end

function AddLineToConsole(text)
    table.insert(lines, text)
    if table.getn(lines) > MaxLines then
        table.remove(lines, 1)
    elseif scroll > 0 then
        -- someone reading back keeps their place
        scroll = math.min(scroll + 1, MaxScroll())
    end
    ShowLines()
end

function SetCurrentConsoleLine(text)
    input = text
    ShowInput()
end

function GetCommand()
    return input
end

function PageUp()
    scroll = math.min(scroll + Visible - 1, MaxScroll())
    ShowLines()
end

function PageDown()
    scroll = math.max(scroll - Visible + 1, 0)
    ShowLines()
end

-- A typed byte (negative above 127). Backspace takes the last character back; other control
-- characters are keys the game handles itself.
function AddSymbol(code)
    if code < 0 then
        code = code + 256
    end
    if code == 8 then
        local n = string.len(input)
        while n > 0 do
            local byte = string.byte(input, n)
            n = n - 1
            if byte < 128 or byte >= 192 then
                break
            end
        end
        input = string.sub(input, 1, n)
    elseif code >= 32 and code != 127 then
        input = input .. string.char(code)
    else
        return
    end
    caret = true
    blink = 0
    ShowInput()
end

function Update(dt)
    blink = blink + dt
    if blink >= 0.5 then
        blink = 0
        caret = not caret
        ShowInput()
    end
end

local function LineColor(line)
    if string.sub(line, 1, 6) == "ERROR:" then
        return "#ff7060"
    elseif string.sub(line, 1, 8) == "WARNING:" then
        return "#f0c850"
    end
    return "#c8d8f0"
end

function Draw(c)
    c:rect(0, 0, 1280, 480, "#0a1420e6")
    c:line(0, 479, 1280, 479, ui.colors.border, 2)
    c:font("Courier New", 17)
    if c:visible(0, 0, 1280, InputTop) then
        local last = table.getn(lines) - scroll
        local first = math.max(1, last - Visible + 1)
        local y = InputTop - 8 - (last - first + 1) * LineHeight
        for i = first, last do
            c:text(lines[i], 16, y, LineColor(lines[i]))
            y = y + LineHeight
        end
        if scroll > 0 then
            c:text("more below: " .. scroll, 1264, InputTop - 24, ui.colors.selected, "right")
        end
    end
    c:line(8, InputTop, 1272, InputTop, "#6fa8ff60")
    local width = c:text("> " .. input, 16, InputTop + 10, ui.colors.text)
    if caret then
        c:rect(18 + width, InputTop + 12, 10, 18, ui.colors.text)
    end
end
