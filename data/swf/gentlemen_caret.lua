-- The caret under the chosen row of the team gathering's lists (405 x 185): a glow around the
-- row's place (71, 56, 260 x 90), breathing slowly. The game calls nothing in it.
movie.design(405, 185)

local glow = 0

function Update(dt)
    glow = glow + dt * 3
    movie.invalidate()
end

function Draw(c)
    local a = 0.55 + 0.45 * math.abs(math.cos(glow))
    c:alpha(a)
    c:roundRect(57, 42, 288, 118, 14, "#e39a2d30", "#e39a2d", 3)
    c:roundRect(64, 49, 274, 104, 10, NULL, "#ffd9a040", 2)
end
