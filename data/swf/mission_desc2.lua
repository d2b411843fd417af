-- The objectives of a network game on the create-game screen (530 x 520). The game calls
-- nothing in it: every game it creates is a deathmatch, whose rules it states.
movie.design(530, 520)

local lines = {
    { "Deathmatch", 24, true },
    { "Every pilot flies for himself.", 17, false },
    { "A kill scores a frag; being shot down costs you the ship, not the game: you come back into the fight.", 17, false },
    { "The game ends when a pilot reaches the frag limit or the time runs out. The most frags win.", 17, false },
}

function Draw(c)
    ui.panel(c, 20, 40, 490, 460)
    local y = 64
    for _, line in ipairs(lines) do
        c:font(ui.font, line[2], line[3])
        local paint = ui.colors.textDisabled
        if line[3] then
            paint = ui.colors.selected
        end
        local drawn = c:textBox(line[1], 44, y, 442, 120, paint)
        y = y + drawn * (line[2] + 8) + 18
    end
end
