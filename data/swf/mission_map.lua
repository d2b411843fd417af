-- The map of the mission's star system on the mission description page (635 x 650): a grid,
-- the star with its orbits and planets, and a blinking mark on the place of the mission. The
-- game calls nothing in it.
movie.design(635, 650)

local cx, cy = 310, 300
local planets = { { 70, 0.6, 6 }, { 125, 2.4, 9 }, { 190, 4.1, 7 }, { 250, 5.5, 12 } }
local target = { x = cx + math.cos(5.5) * 250, y = cy + math.sin(5.5) * 250 }
local blink = 0

function Update(dt)
    blink = blink + dt * 4
    movie.invalidate(target.x - 30, target.y - 30, 60, 60)
end

function Draw(c)
    ui.panel(c, 4, 4, 627, 592)
    c:clip(8, 8, 619, 584)
    for x = 24, 620, 40 do
        c:line(x, 8, x, 592, "#6fa8ff18", 1)
    end
    for y = 10, 590, 40 do
        c:line(8, y, 627, y, "#6fa8ff18", 1)
    end
    local glow = c:radialGradient(cx, cy, 0, 60, { 0, "#fff6d0", 0.25, "#ffc860c0", 1, "#ff904000" })
    c:circle(cx, cy, 60, glow)
    for _, p in ipairs(planets) do
        c:circle(cx, cy, p[1], NULL, "#6fa8ff50", 1)
        c:circle(cx + math.cos(p[2]) * p[1], cy + math.sin(p[2]) * p[1], p[3], "#8fb4d8", "#dfeaff", 1)
    end
    local a = math.abs(math.cos(blink))
    c:circle(target.x, target.y, 22, NULL, mix("#e39a2d20", "#e39a2d", a), 2)
    c:line(target.x - 28, target.y, target.x - 14, target.y, ui.colors.selected, 2)
    c:line(target.x + 14, target.y, target.x + 28, target.y, ui.colors.selected, 2)
    c:line(target.x, target.y - 28, target.x, target.y - 14, ui.colors.selected, 2)
    c:line(target.x, target.y + 14, target.x, target.y + 28, ui.colors.selected, 2)
end
