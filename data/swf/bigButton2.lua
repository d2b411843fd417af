-- The big button of the main menu and the pause menu, drawn in the upper part of its 512 x 180
-- area (the menus stack them 105 units apart). SetText sets the caption, SetState the state
-- (0 disabled, 1 normal, 2 selected); a selected button glows, and states fade into each other.
movie.design(512, 180)

local state = ui.buttonMovie(12, 30, 488, 92, 34)
local DrawButton = Draw

function Draw(c)
    if state.current == 2 then
        c:save()
        c:alpha(state.fade.value)
        c:roundRect(4, 22, 504, 108, 22, color("#e39a2d40"))
        c:restore()
    end
    DrawButton(c)
end
