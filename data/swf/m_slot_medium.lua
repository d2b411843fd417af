-- A slot beside the centre of the map carousel (220 x 180): a card with the map's name, which
-- SetName sets.
movie.design(220, 180)

local values = { name = "" }
ui.setters(values, { SetName = "name" })

function Draw(c)
    ui.panel(c, 12, 24, 196, 132)
    ui.caption(c, values.name, 20, 28, 180, 124, 20, ui.colors.text)
end
