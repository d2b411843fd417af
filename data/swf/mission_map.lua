-- The map of the mission's star system on the mission description page (635 x 650): a grid,
-- the star with its orbits and planets, the system's rock field, and a blinking mark on the place
-- of the mission. SetLocation(name) names the system: the systems of the missions have maps of
-- their own, and any other is laid out from its name, so that no two systems look alike.
movie.design(635, 650)

local cx, cy = 310, 300

-- star: the glow's colours from the middle out, and its radius; planets: orbit, angle (radians),
-- size and colour; field: the radius and width of the rock field; target: orbit and angle of the
-- mission's place.
local Systems = {
    -- A rock field under a warm sun: the mines lie in the field.
    ["Arrdra-Grra-Drrratra"] = {
        star = { "#fff6d0", "#ffc860c0", "#ff904000" }, glow = 60,
        planets = { { 70, 0.6, 6, "#c8a078" }, { 125, 2.4, 9, "#b07850" }, { 250, 5.5, 12, "#d8a070" } },
        field = { 185, 26 },
        target = { 185, 1.1 },
    },
    -- A pale blue sun, five planets and an asteroid belt; the cargo leaves from the fifth planet.
    ["Aldaron V"] = {
        star = { "#f4faff", "#a8d0ffc0", "#6090ff00" }, glow = 46,
        planets = { { 58, 4.2, 5, "#a0a8b8" }, { 96, 1.3, 7, "#7fa0c8" }, { 138, 5.6, 8, "#c0b090" },
                    { 176, 2.9, 6, "#90b8a0" }, { 262, 3.7, 13, "#6f8fd8" } },
        field = { 218, 12 },
        target = { 262, 3.7 },
    },
}

-- The same numbers from the same name: a minimal standard generator, exact in doubles.
local seed = 1
local function Random()
    seed = math.fmod(seed * 16807, 2147483647)
    return seed / 2147483647
end

local function Seed(name)
    seed = 7
    for i = 1, string.len(name) do
        seed = math.fmod(seed * 31 + string.byte(name, i), 2147483646) + 1
    end
    Random()
end

-- A system laid out from its name: a star of its own colour, three to six planets and a field.
local function Generated(name)
    Seed(name)
    local warm = Random()
    local star = { mix("#fff0d8", "#e8f2ff", warm), mix(mix("#ffc860c0", "#a8d0ffc0", warm), "#ffffffc0", 0.2),
                   mix("#ff904000", "#6090ff00", warm) }
    local planets = {}
    local count = 3 + math.floor(Random() * 4)
    for i = 1, count do
        local orbit = 50 + (i - 1) * 205 / count + Random() * 20
        table.insert(planets, { orbit, Random() * 6.283, 5 + Random() * 8,
                                mix("#8fb4d8", "#d8a070", Random()) })
    end
    local target = planets[1 + math.floor(Random() * count)]
    return { star = star, glow = 40 + Random() * 25, planets = planets, field = { 110 + Random() * 120, 10 + Random() * 14 },
             target = { target[1], target[2] } }
end

local system = NULL
local rocks = {}
local target = NULL
local blink = 0

function SetLocation(name)
    system = Systems[name] or Generated(name)
    Seed(name .. "#rocks")
    rocks = {}
    for i = 1, 220 do
        local a = Random() * 6.283
        local r = system.field[1] + (Random() - 0.5) * system.field[2]
        table.insert(rocks, { cx + math.cos(a) * r, cy + math.sin(a) * r, 0.8 + Random() * 1.6 })
    end
    target = { x = cx + math.cos(system.target[2]) * system.target[1],
               y = cy + math.sin(system.target[2]) * system.target[1] }
    movie.invalidate()
end

function Update(dt)
    blink = blink + dt * 4
    if target then
        movie.invalidate(target.x - 30, target.y - 30, 60, 60)
    end
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
    if not system then
        return
    end
    local glow = c:radialGradient(cx, cy, 0, system.glow, { 0, system.star[1], 0.25, system.star[2], 1, system.star[3] })
    c:circle(cx, cy, system.glow, glow)
    for _, rock in ipairs(rocks) do
        c:circle(rock[1], rock[2], rock[3], "#b0a290c0")
    end
    for _, p in ipairs(system.planets) do
        c:circle(cx, cy, p[1], NULL, "#6fa8ff50", 1)
        c:circle(cx + math.cos(p[2]) * p[1], cy + math.sin(p[2]) * p[1], p[3], p[4], "#dfeaff", 1)
    end
    local a = math.abs(math.cos(blink))
    c:circle(target.x, target.y, 22, NULL, mix("#e39a2d20", "#e39a2d", a), 2)
    c:line(target.x - 28, target.y, target.x - 14, target.y, ui.colors.selected, 2)
    c:line(target.x + 14, target.y, target.x + 28, target.y, ui.colors.selected, 2)
    c:line(target.x, target.y - 28, target.x, target.y - 14, ui.colors.selected, 2)
    c:line(target.x, target.y + 14, target.x, target.y + 28, ui.colors.selected, 2)
end
