-- The weapon mounts on the own ship's schematic: two guns on the nose, launchers under the wings.
movie.design(400, 230)

function Draw(c)
    for _, mount in ipairs({ { 100, 92 }, { 116, 92 }, { 80, 136 }, { 136, 136 } }) do
        c:circle(mount[1], mount[2], 4, "#ffff00c0", "#ffffff", 1)
    end
end
