-- A slot beside the centre of the map carousel (220 x 180): a card with the map's name, which
-- SetName sets.
movie.design(220, 180)

local values = { name = "" }
ui.setters(values, { SetName = "name" })

function Draw(c)
    -- the card keeps clear of the centre card beside it
    ui.panel(c, 46, 24, 130, 132)
    ui.caption(c, values.name, 52, 28, 118, 124, 18, ui.colors.text)
end
