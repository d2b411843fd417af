-- The frame around the client's face on the mission description page (70 x 70): the game lays
-- the face under the hole at (10, 9, 51 x 51). SetName, SetTitle, SetLocation and SetDesc give
-- the client, the mission, its location and its description; the frame shows the client's
-- initial in its corner.
movie.design(70, 70)

local texts = { from = "", title = "", location = "", desc = "" }
ui.setters(texts, { SetName = "from", SetTitle = "title", SetLocation = "location", SetDesc = "desc" })

function Draw(c)
    c:roundRect(2, 2, 66, 66, 6, ui.colors.panel, ui.colors.selected, 2)
    ui.hole(c, 10, 9, 51, 51)
    c:rect(9, 8, 53, 53, NULL, ui.colors.border, 1)
    c:font(ui.font, 10, true)
    c:text(string.sub(texts.from, 1, 1), 62, 56, ui.colors.selected, "right")
end
