-- A device card of the hangar's carousel (140 x 119, drawn at any size): Create(path) shows the
-- card picture the path names, "<folder>//textures//<picture>.swf" standing for the texture
-- "<picture>.dds"; SetCaption(text) names the device under it. The card keeps to its upper 100
-- units, so that it ends above the tips strip where the carousel lays it.
movie.design(140, 119)

local picture, caption = NULL, ""

function Create(path)
    local at = string.find(path, "textures/", 1, true)
    local name = path
    if at then
        name = string.sub(path, at + 9)
    end
    while string.sub(name, 1, 1) == "/" do
        name = string.sub(name, 2)
    end
    picture = string.gsub(name, "%.swf$", ".dds")
    movie.invalidate()
end

function SetCaption(text)
    caption = text
    movie.invalidate()
end

function Draw(c)
    ui.panel(c, 2, 2, 136, 96)
    if picture then
        c:image(picture, 38, 6, 64, 64)
    end
    c:font(ui.font, 11, true)
    c:textBox(caption, 6, 70, 128, 26, ui.colors.text, "center", "middle")
end
