-- The frame around the centre card of the map carousel (230 x 200): four glowing corners that
-- breathe slowly. The game fades the whole frame while the cards glide.
movie.design(230, 200)

local glow = 0

function Update(dt)
    glow = glow + dt
    movie.invalidate()
end

function Draw(c)
    c:alpha(0.6 + 0.4 * math.abs(math.sin(glow * 2)))
    local x0, y0, x1, y1 = 2, 10, 228, 190
    local arm = 30
    for _, corner in ipairs({ { x0, y0, 1, 1 }, { x1, y0, -1, 1 }, { x0, y1, 1, -1 }, { x1, y1, -1, -1 } }) do
        local x, y, dx, dy = corner[1], corner[2], corner[3], corner[4]
        c:line(x, y, x + arm * dx, y, ui.colors.selected, 4)
        c:line(x, y, x, y + arm * dy, ui.colors.selected, 4)
    end
end
