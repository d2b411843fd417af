-- The weaponry panel: the ship's four weapon slots, the primary pair (1, 2) above the secondary
-- pair (3, 4), the selected slot of each pair lit, and each slot's ammunition ("+": unlimited).
-- The game calls SetGunState(slot, selected) and SetCnt1 .. SetCnt4(text) every frame. The slots
-- end 16 units above the movie's foot, where the speed gauge begins.
movie.design(160, 120)

local selected = { 0, 0, 0, 0 }
local counts = { "", "", "", "" }
local names = { "LASER 1", "LASER 2", "ROCKET", "TORPEDO" }
local asked = false

local function Slot(i)
    local column = math.fmod(i - 1, 2)
    local row = math.floor((i - 1) / 2)
    return 4 + column * 78, 4 + row * 52
end

-- The weapons' names in the game's language, asked for once the game is there to answer.
function Update(dt)
    if not asked then
        asked = true
        for i = 1, 4 do
            names[i] = movie.call("Text", "ui_hud_weapon_" .. i) or names[i]
        end
        movie.invalidate()
    end
end

function SetGunState(slot, state)
    if slot >= 1 and slot <= 4 and selected[slot] ~= state then
        selected[slot] = state
        local x, y = Slot(slot)
        movie.invalidate(x, y, 74, 48)
    end
end

local function Counter(slot)
    _G["SetCnt" .. slot] = event(text)
        if counts[slot] ~= text then
            counts[slot] = text
            local x, y = Slot(slot)
            movie.invalidate(x, y, 74, 48)
        end
    end
end

for slot = 1, 4 do
    Counter(slot)
end

function Draw(c)
    for i = 1, 4 do
        local x, y = Slot(i)
        if selected[i] == 1 then
            c:roundRect(x, y, 74, 48, 5, "#00d6ff40", "#00d6ff", 2)
        else
            c:roundRect(x, y, 74, 48, 5, "#04142a90", "#00d6ff50", 1)
        end
        c:font("Arial", 10, true)
        c:text(names[i], x + 37, y + 5, "#9fe9ff", "center")
        c:font("OCRA", 18)
        c:text(counts[i], x + 37, y + 21, "#ffffff", "center")
    end
end
