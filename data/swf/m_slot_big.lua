-- The centre slot of the map carousel (256 x 220): the selected map's card, whose name SetName
-- sets. The card ends 190 below its top, above the tips strip.
movie.design(256, 220)

local values = { name = "" }
ui.setters(values, { SetName = "name" })

function Draw(c)
    local plate = c:linearGradient(0, 14, 0, 188, { 0, "#1a2c44e8", 1, "#0c141ee8" })
    c:roundRect(14, 14, 228, 174, 10, plate, ui.colors.selected, 3)
    ui.caption(c, values.name, 24, 22, 208, 158, 26, ui.colors.text)
end
