-- A side slot of the map carousel (160 x 140): a card with the map's name, which SetName sets.
movie.design(160, 140)

local values = { name = "" }
ui.setters(values, { SetName = "name" })

function Draw(c)
    ui.panel(c, 18, 18, 130, 96)
    ui.caption(c, values.name, 24, 22, 118, 88, 15, ui.colors.textDisabled)
end
