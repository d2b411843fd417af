-- The map preview of the create-game screen (525 x 520): a chart of a battle zone with a grid,
-- drifting rocks and the two teams' entry points. The game calls nothing in it; it fades the
-- layer while the map carousel moves.
movie.design(525, 520)

local rocks = {
    { 140, 160, 18 }, { 210, 250, 11 }, { 330, 140, 24 }, { 380, 300, 14 },
    { 250, 380, 20 }, { 120, 330, 9 }, { 420, 200, 8 }, { 300, 220, 6 },
}
local spin = 0

function Update(dt)
    spin = spin + dt
    movie.invalidate(30, 50, 465, 440)
end

function Draw(c)
    ui.panel(c, 20, 40, 485, 460)
    c:clip(24, 44, 477, 452)
    for x = 40, 500, 40 do
        c:line(x, 44, x, 496, "#6fa8ff18", 1)
    end
    for y = 60, 496, 40 do
        c:line(24, y, 501, y, "#6fa8ff18", 1)
    end
    c:circle(262, 270, 170, NULL, "#6fa8ff40", 1)
    c:circle(262, 270, 90, NULL, "#6fa8ff30", 1)
    for i, rock in ipairs(rocks) do
        local x = rock[1] + math.cos(spin * 0.3 + i) * 4
        local y = rock[2] + math.sin(spin * 0.3 + i) * 4
        c:circle(x, y, rock[3], "#5a6472", "#9aa6b4", 1)
    end
    c:circle(70, 450, 12, "#59d9ff80", "#59d9ff", 2)
    c:circle(455, 90, 12, "#ffb34080", "#ffb340", 2)
end
