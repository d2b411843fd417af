-- The frame around the centre slot of the picture carousel (200 x 200): four glowing corners
-- around the selected picture (36, 35, 128 x 128) that breathe slowly. The game fades the whole
-- frame while the slots glide.
movie.design(200, 200)

local glow = 0

function Update(dt)
    glow = glow + dt
    movie.invalidate()
end

function Draw(c)
    local pulse = 0.6 + 0.4 * math.abs(math.sin(glow * 2))
    c:alpha(pulse)
    local x0, y0, x1, y1 = 26, 25, 174, 173
    local arm = 28
    for _, corner in ipairs({ { x0, y0, 1, 1 }, { x1, y0, -1, 1 }, { x0, y1, 1, -1 }, { x1, y1, -1, -1 } }) do
        local x, y, dx, dy = corner[1], corner[2], corner[3], corner[4]
        c:line(x, y, x + arm * dx, y, ui.colors.selected, 4)
        c:line(x, y, x, y + arm * dy, ui.colors.selected, 4)
    end
end
