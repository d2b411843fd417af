-- A slot beside the centre of the map carousel (220 x 180): a card with the map's name, which
-- SetName sets.
movie.design(220, 180)

local values = { name = "" }
ui.setters(values, { SetName = "name" })

function Draw(c)
    -- the card keeps clear of the centre card beside it
    ui.panel(c, 46, 22, 130, 128)
    ui.caption(c, values.name, 52, 26, 118, 120, 18, ui.colors.text)
end
