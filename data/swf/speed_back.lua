-- The speed gauge's back: two troughs the speed bars fill from the middle outwards, scales of
-- ticks, and a hub between them.
movie.design(600, 90)

function Draw(c)
    c:roundRect(6, 2, 240, 62, 8, "#04142aa0", "#00d6ff70", 1.5)
    c:roundRect(354, 2, 240, 62, 8, "#04142aa0", "#00d6ff70", 1.5)
    for i = 0, 10 do
        local x = 11 + i * 22.9
        c:line(x, 64, x, 70, "#00d6ff80", 1)
        c:line(589 - i * 22.9, 64, 589 - i * 22.9, 70, "#00d6ff80", 1)
    end
    c:roundRect(250, 10, 100, 48, 10, "#04142ad0", "#00d6ffa0", 2)
    c:font("OCRA", 14)
    c:text("SPEED", 300, 26, "#00d6ff", "center")
end
