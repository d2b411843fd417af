-- A device card of the hangar's carousel (316 x 256, the carousel's centre): Create(path) shows the
-- card picture the path names, "<folder>//textures//<picture>.swf" standing for the texture
-- "<picture>.dds"; SetCaption(text) names the device under it. The card leaves its top to the
-- race's emblem and code, ends above the tips strip (215 below its top), and keeps left of the
-- next card, which the carousel lays 243 right of it.
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
    ui.panel(c, 4, 34, 236, 176, "#102436f0", ui.colors.selected)
    if picture then
        c:image(picture, 66, 40, 112, 112)
    end
    c:font(ui.font, 20, true)
    c:textBox(caption, 12, 154, 220, 52, ui.colors.text, "center", "middle")
end
