-- The small button of the profile and hangar screens. The game sets its caption (SetText) and
-- its state (SetState: 0 disabled, 1 normal, 2 selected); the face fades to a new state's colour.
movie.design(256, 105)

local caption = ""
local state = ui.state(1)

function SetText(text)
    caption = text
    movie.invalidate()
end

function SetState(s)
    state:set(s)
end

function Draw(c)
    ui.button(c, 6, 10, 244, 80, caption, state, 24)
end
