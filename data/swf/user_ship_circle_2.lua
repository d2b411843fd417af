-- A ring around the own ship's schematic; the HUD turns the layer.
movie.design(128, 128)

function Draw(c)
    for i = 0, 3 do
        c:beginPath()
        c:arc(64, 64, 36, i * math.pi / 2 + 0.2, i * math.pi / 2 + 0.9)
        c:strokePath("#00d6ff70", 2)
    end
end
