-- The board behind the selected picture of the picture carousel (525 x 520): a framed panel
-- under the large picture the game lays over it (67, 68, 389 x 389).
movie.design(525, 520)

function Draw(c)
    local back = c:linearGradient(0, 0, 0, 520, { 0, "#16263ae8", 1, "#08101ae8" })
    c:roundRect(8, 8, 509, 504, 14, back, ui.colors.border, 3)
    c:rect(59, 60, 405, 405, ui.colors.shadow, ui.colors.selected, 3)
    for _, x in ipairs({ 24, 489 }) do
        c:circle(x, 260, 6, ui.colors.border)
    end
    c:rect(150, 24, 225, 4, ui.colors.border)
    c:rect(150, 490, 225, 4, ui.colors.border)
end
