-- The box movie over the current target: corner brackets with small pointers, white so that the
-- HUD's tint shows (yellow while the target is scanned, red once it is).
movie.design(64, 64)

function Draw(c)
    local w = "#ffffff"
    local s = 14
    c:line(6, 6, 6 + s, 6, w, 2.5)
    c:line(6, 6, 6, 6 + s, w, 2.5)
    c:line(58, 6, 58 - s, 6, w, 2.5)
    c:line(58, 6, 58, 6 + s, w, 2.5)
    c:line(6, 58, 6 + s, 58, w, 2.5)
    c:line(6, 58, 6, 58 - s, w, 2.5)
    c:line(58, 58, 58 - s, 58, w, 2.5)
    c:line(58, 58, 58, 58 - s, w, 2.5)
    c:polygon({ 32, 2, 28, -4, 36, -4 }, w)
    c:polygon({ 32, 62, 28, 68, 36, 68 }, w)
end
