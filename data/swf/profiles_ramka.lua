-- The frame around the centre slot of a picture carousel (230 x 200): four glowing corners.
movie.design(230, 200)

local glow = tween(0.6)

function Update()
    if not glow:running() then
        glow:to(glow.value > 0.8 and 0.6 or 1, 0.8)
    end
end

function Draw(c)
    c:alpha(glow.value)
    local paint, w = ui.colors.selected, 3
    local l, t, r, b, s = 6, 6, 224, 194, 34
    c:line(l, t, l + s, t, paint, w)
    c:line(l, t, l, t + s, paint, w)
    c:line(r, t, r - s, t, paint, w)
    c:line(r, t, r, t + s, paint, w)
    c:line(l, b, l + s, b, paint, w)
    c:line(l, b, l, b - s, paint, w)
    c:line(r, b, r - s, b, paint, w)
    c:line(r, b, r, b - s, paint, w)
end
