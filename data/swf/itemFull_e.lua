-- The frame around the client's face on the offer cards (80 x 80), open in the middle where the
-- face shows. SetState: 0 an offer in the list, 1 the chosen offer, 2 an offer that cannot be
-- taken; it fades between them.
movie.design(80, 80)

local state = ui.state(0, 0.2)

state:publish("SetState")

function Draw(c)
    local edge = state:colorIn({ [1] = ui.colors.selected, [2] = ui.colors.textDisabled }, ui.colors.border)
    c:roundRect(6, 6, 68, 68, 8, NULL, edge, 4)
    for _, x in ipairs({ 2, 66 }) do
        for _, y in ipairs({ 2, 66 }) do
            c:rect(x, y, 12, 12, edge)
        end
    end
end
