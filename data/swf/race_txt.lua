-- The race code under the emblem of the carousel's centre device (128 x 22): SetCaption(code).
movie.design(128, 22)

local caption = ""

function SetCaption(text)
    caption = text
    movie.invalidate()
end

function Draw(c)
    c:font("OCRA", 16)
    c:text(caption, 64, 2, ui.colors.text, "center")
end
