-- The demo movie: a title the game sets, a picture from the game's textures, text in the
-- game's three faces, a gradient bar that fills and empties by itself, and a button that
-- tells the game when it is clicked ("DemoClicked", with the number of clicks) and shows
-- the game's answer.
movie.design(640, 360)

local title = "Movie runtime"
local answer = ""
local clicks = 0
local bar = tween(0, 24, 220, 592, 32)
local button = ui.state(1, 0.15, 400, 270, 200, 60)

function SetTitle(text)
    title = text
    movie.invalidate(0, 0, 640, 64)
end

function Clicks()
    return clicks
end

-- The bar swings between empty and full, a second and a half each way.
function Update(dt)
    if not bar:running() then
        if bar.value < 0.5 then
            bar:to(1, 1.5)
        else
            bar:to(0, 1.5)
        end
    end
end

local function OnButton(x, y)
    return ui.inside(x, y, 400, 270, 200, 60)
end

function OnMouseMove(x, y)
    if OnButton(x, y) then
        button:set(2)
    else
        button:set(1)
    end
end

function OnMouseDown(x, y)
    if OnButton(x, y) then
        clicks = clicks + 1
        answer = movie.call("DemoClicked", clicks) or ""
        movie.invalidate(0, 260, 640, 100)
    end
end

function Draw(c)
    ui.panel(c, 0, 0, 640, 360)
    c:font("Arial", 32, true)
    c:text(title, 320, 12, ui.colors.text, "center")

    c:image("checker.dds", 24, 72, 128, 128)
    c:font("Arial", 16)
    c:textBox("A picture from the game's textures, and a gradient that moves by itself.", 176, 72, 440, 44,
              "#c8d8f0")
    c:font("Courier New", 16)
    c:text("Courier New: fixed width", 176, 130, "#c8d8f0")
    c:font("OCRA", 16)
    c:text("OCRA: 0123456789", 176, 160, "#c8d8f0")

    local fill = c:linearGradient(24, 0, 616, 0, { 0, "#1f5fa8", 0.5, "#6fa8ff", 1, "#e39a2d" })
    if bar.value > 0 then
        c:roundRect(24, 220, 592 * bar.value, 32, 8, fill)
    end
    c:roundRect(24, 220, 592, 32, 8, NULL, ui.colors.border, 2)

    ui.button(c, 400, 270, 200, 60, "Clicked " .. clicks, button)
    c:font("Arial", 20, true)
    c:text(answer, 24, 288, ui.colors.selected)
end
