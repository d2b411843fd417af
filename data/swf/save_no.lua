-- The fitting panel's box on Escape (460 x 256): leave fitting for the ship list, or keep
-- fitting. SetState(choice) marks choice 0, 1 or 2; 0 and 1 open the ship list, 2 stays.
movie.design(460, 256)

local Choices = { "Ship list", "Leave fitting", "Keep fitting" }
local marker = tween(0)

function SetState(value)
    marker:to(value, 0.15)
end

function Draw(c)
    ui.panel(c, 8, 8, 444, 240)
    c:font(ui.font, 22, true)
    c:text("Done with this ship?", 230, 40, ui.colors.text, "center")
    c:font(ui.font, 14)
    c:text("The ship is kept as it is fitted now.", 230, 78, ui.colors.textDisabled, "center")
    for i = 1, 3 do
        local x = 24 + 140 * (i - 1)
        local state = 1
        if math.abs(marker.value - (i - 1)) < 0.5 then
            state = 2
        end
        ui.button(c, x, 150, 132, 60, Choices[i], state, 15)
    end
end
