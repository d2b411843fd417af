-- The fixed reticle in the middle of the screen: a ring broken at the four sides, ticks and a
-- centre dot. It never moves; the HUD draws the target box and the arrows around it.
movie.design(128, 128)

local cyan = "#00d6ff"

function Draw(c)
    local cx, cy = 64, 64
    for i = 0, 3 do
        local a = i * math.pi / 2 + math.pi / 4
        c:beginPath()
        c:arc(cx, cy, 30, a - 0.55, a + 0.55)
        c:strokePath(cyan, 2)
    end
    c:line(cx - 44, cy, cx - 22, cy, cyan, 2)
    c:line(cx + 22, cy, cx + 44, cy, cyan, 2)
    c:line(cx, cy - 44, cx, cy - 22, "#00d6ffa0", 1.5)
    c:line(cx, cy + 22, cx, cy + 36, "#00d6ffa0", 1.5)
    c:circle(cx, cy, 2.5, cyan)
end
