-- The own-ship panel's schematic: a frame, the player's fighter seen from above inside the two
-- turning rings (their own movies), and the rails of the four level bars the HUD draws. The frame
-- starts right of the weaponry panel, which reaches 35 into the movie, and ends inside the screen.
movie.design(400, 230)

function Draw(c)
    c:roundRect(40, 40, 350, 186, 12, "#04142aa0", "#00d6ff80", 2)
    c:font("OCRA", 12)
    c:text("SHIP", 52, 48, "#00d6ffc0")
    c:save()
    c:translate(108, 119)
    c:polygon({ 0, -42, 8, -8, 38, 18, 38, 28, 8, 18, 5, 34, -5, 34, -8, 18, -38, 28, -38, 18, -8, -8 },
        "#00d6ff30", "#00d6ff", 1.5)
    c:restore()
    for i = 0, 3 do
        local y = 80 + i * 23
        c:line(194, y + 10, 310, y + 10, "#00d6ff30", 1)
    end
end
