-- The pirates' ratings on the stock exchange (410 x 660), over the faces the game lays at
-- (87, 90 + 90 row) for rows 0 to 4 and at (87, 552) for row 5, the player's, set apart below.
-- Initialize(n) empties the rows and shows n rows of the list (at most 5) above the player's.
-- SetName, SetScoreText and SetEffText(row, text) set a pilot's name and values, SetNameC,
-- SetScoreC and SetEffC their captions, SetScore and SetEff(row, value) the bars, 0..1.
movie.design(410, 660)

local Rows = 6
local rows = {}
local shown = 0

local function RowTop(i)
    if i == Rows then
        return 544
    end
    return 82 + 90 * (i - 1)
end

function Initialize(n)
    shown = math.max(0, math.min(n, Rows - 1))
    for i = 1, Rows do
        local top = RowTop(i)
        rows[i] = { name = "", score = "", eff = "", nameCaption = "", scoreCaption = "", effCaption = "",
                    scoreLevel = tween(0, 150, top, 250, 70), effLevel = tween(0, 150, top, 250, 70) }
    end
    movie.invalidate()
end

Initialize(Rows - 1)

ui.rowSetters(rows, { SetName = "name", SetScoreText = "score", SetEffText = "eff", SetNameC = "nameCaption",
                      SetScoreC = "scoreCaption", SetEffC = "effCaption" })

local function Level(key)
    return function(row, value)
        local entry = rows[row + 1]
        if entry then
            entry[key]:to(value, 0.4)
        end
    end
end

SetScore = Level("scoreLevel")
SetEff = Level("effLevel")

local function Value(c, caption, level, text, y)
    c:font(ui.font, 11, true)
    c:text(caption, 152, y, ui.colors.textDisabled)
    ui.bar(c, 222, y + 1, 104, 9, level.value)
    c:font("OCRA", 12)
    c:text(text, 388, y - 1, ui.colors.text, "right")
end

function Draw(c)
    for i, row in ipairs(rows) do
        if i <= shown or i == Rows then
            local top = RowTop(i)
            local edge = ui.colors.border
            if i == Rows then
                edge = ui.colors.selected
            end
            c:rect(84, top + 5, 57, 57, NULL, edge, 2)
            c:font(ui.font, 11, true)
            c:text(row.nameCaption, 152, top + 4, ui.colors.textDisabled)
            c:font(ui.font, 17, true)
            c:text(row.name, 152, top + 16, ui.colors.text)
            Value(c, row.scoreCaption, row.scoreLevel, row.score, top + 40)
            Value(c, row.effCaption, row.effLevel, row.eff, top + 56)
        end
    end
end
