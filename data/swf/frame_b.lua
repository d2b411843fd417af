-- A device card of the hangar's carousel (316 x 256, the carousel's centre): Create(path) shows the
-- card picture the path names, "<folder>//textures//<picture>.swf" standing for the texture
-- "<picture>.dds"; SetCaption(text) names the device under it.
movie.design(316, 256)

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
    ui.panel(c, 4, 4, 308, 248, "#102436f0", ui.colors.selected)
    if picture then
        c:image(picture, 78, 14, 160, 160)
    end
    c:font(ui.font, 20, true)
    c:textBox(caption, 12, 180, 292, 64, ui.colors.text, "center", "middle")
end
