// The helper library every movie starts with. It is written in the data language, like the
// movies themselves, so authors can read it as an example.
#include "platform/movie/MovieLibrary.h"

namespace movie {

const std::string& MoviePrelude()
{
    static const std::string prelude = R"(
-- Tweens: a number that moves to a target over some seconds. While it moves, its area
-- (x, y, w, h; the whole movie when left out) is drawn again every frame.
local running = {}

Tween = {}
Tween.__index = Tween

function tween(value, x, y, w, h)
    local t = { value = value, start = value, target = value, elapsed = 0, duration = 0,
                x = x, y = y, w = w, h = h }
    setmetatable(t, Tween)
    return t
end

function Tween:invalidate()
    if this.x then
        movie.invalidate(this.x, this.y, this.w, this.h)
    else
        movie.invalidate()
    end
end

-- Jumps to a value and stops moving.
function Tween:set(value)
    this.value = value
    this.start = value
    this.target = value
    running[this] = NULL
    this:invalidate()
end

-- Moves from where it is to the target in the given seconds (at once for none).
function Tween:to(target, seconds)
    if seconds == NULL or seconds <= 0 then
        this:set(target)
        return
    end
    this.start = this.value
    this.target = target
    this.elapsed = 0
    this.duration = seconds
    running[this] = true
    this:invalidate()
end

function Tween:running()
    return running[this] == true
end

-- Called by the runtime once a frame, before the movie's Update.
function __frame(dt)
    for t, _ in pairs(running) do
        t.elapsed = t.elapsed + dt
        local k = t.elapsed / t.duration
        if k >= 1 then
            t.value = t.target
            running[t] = NULL
        else
            t.value = t.start + (t.target - t.start) * k
        end
        t:invalidate()
    end
end

-- The standard look of the game's screens.
ui = {}
ui.font = "Arial"
ui.colors = {
    disabled = "#3a3f46",
    normal = "#1f5fa8",
    selected = "#e39a2d",
    text = "#ffffff",
    textDisabled = "#8a9099",
    panel = "#0c141ed0",
    border = "#6fa8ff",
    shadow = "#00000080",
}

-- The colour of a state: 0 disabled, 1 normal, 2 selected.
function ui.stateColor(state)
    if state == 2 then
        return ui.colors.selected
    elseif state == 1 then
        return ui.colors.normal
    end
    return ui.colors.disabled
end

-- A state whose colour fades from the old state's to the new one's when it changes.
State = {}
State.__index = State

function ui.state(initial, seconds, x, y, w, h)
    local s = { current = initial, previous = initial, seconds = seconds or 0.15,
                fade = tween(1, x, y, w, h) }
    setmetatable(s, State)
    return s
end

-- True when the state changed.
function State:set(state)
    if state == this.current then
        return false
    end
    this.previous = this.current
    this.current = state
    this.fade:set(0)
    this.fade:to(1, this.seconds)
    return true
end

function State:color()
    return mix(ui.stateColor(this.previous), ui.stateColor(this.current), this.fade.value)
end

-- The same fade in a movie's own colours: palette[state], or `default` for a state it leaves out.
function State:colorIn(palette, default)
    return mix(palette[this.previous] or default, palette[this.current] or default, this.fade.value)
end

-- Publishes the function `name(state)` that sets it.
function State:publish(name)
    local s = this
    _G[name] = function(state)
        s:set(state)
    end
end

function ui.panel(c, x, y, w, h, fill, border)
    c:roundRect(x, y, w, h, 6, fill or ui.colors.panel, border or ui.colors.border, 2)
end

-- Text centred in a box, bold, word-wrapped.
function ui.caption(c, text, x, y, w, h, size, paint, align)
    c:font(ui.font, size or 20, true)
    c:textBox(text, x, y, w, h, paint or ui.colors.text, align or "center", "middle")
end

-- A button: `state` is a state number or a ui.state.
function ui.button(c, x, y, w, h, caption, state, size)
    local fill, current
    if getmetatable(state) == State then
        fill = state:color()
        current = state.current
    else
        fill = ui.stateColor(state)
        current = state
    end
    local radius = h * 0.2
    local face = c:linearGradient(x, y, x, y + h, { 0, mix(fill, "#ffffff", 0.3), 1, fill })
    c:roundRect(x + 2, y + 3, w - 2, h - 3, radius, ui.colors.shadow)
    c:roundRect(x, y, w - 2, h - 3, radius, face, mix(fill, "#ffffff", 0.5), 2)
    local text = ui.colors.text
    if current == 0 then
        text = ui.colors.textDisabled
    end
    ui.caption(c, caption or "", x + 6, y, w - 14, h - 3, size or h * 0.4, text)
end

-- Makes the whole movie the game's button at (x, y, w, h) with a caption of `size`: publishes
-- SetText(text) and SetState(state), whose state it returns, and draws it.
function ui.buttonMovie(x, y, w, h, size)
    local caption = ""
    local state = ui.state(1)
    function SetText(text)
        caption = text
        movie.invalidate()
    end
    state:publish("SetState")
    function Draw(c)
        ui.button(c, x, y, w, h, caption, state, size)
    end
    return state
end

-- Publishes, for each pair name = key, a function `name(value)` that keeps the value in
-- `values[key]` and has the movie drawn again.
function ui.setters(values, names)
    for name, key in pairs(names) do
        local k = key
        _G[name] = function(value)
            values[k] = value
            movie.invalidate()
        end
    end
end

-- The same for rows numbered from 0: `name(row, value)` keeps the value in `rows[row + 1][key]`;
-- rows the table does not have are ignored.
function ui.rowSetters(rows, names)
    for name, key in pairs(names) do
        local k = key
        _G[name] = function(row, value)
            local entry = rows[row + 1]
            if entry then
                entry[k] = value
                movie.invalidate()
            end
        end
    end
end

-- Makes a rectangle transparent again, where the game shows a picture under the movie.
function ui.hole(c, x, y, w, h)
    c:save()
    c:clip(x, y, w, h)
    c:clear()
    c:restore()
end

-- Makes the whole movie one corner ("topLeft", "topRight", "bottomLeft" or "bottomRight") of
-- the frame around a chosen slot: an angle along its two edges, 5 units in from them, bright
-- after SetState(1) (the slot can be taken), grey after SetState(0), fading between the two.
function ui.corner(which)
    local state = ui.state(1, 0.2)
    local right = which == "topRight" or which == "bottomRight"
    local bottom = which == "bottomLeft" or which == "bottomRight"
    state:publish("SetState")
    function Draw(c)
        local w, h = movie.width, movie.height
        local bright = state:colorIn({ [1] = ui.colors.selected }, ui.colors.textDisabled)
        c:save()
        if right then
            c:translate(w, 0)
            c:scale(-1, 1)
        end
        if bottom then
            c:translate(0, h)
            c:scale(1, -1)
        end
        c:polygon({ 5, 5, w * 0.6, 5, w * 0.6, 11, 11, 11, 11, h * 0.6, 5, h * 0.6 }, bright, ui.colors.shadow, 1)
        c:restore()
    end
end

-- Makes the whole movie a frame of four corner angles around the rectangle (x, y, w, h), arms
-- `arm` long, in the selected colour, breathing slowly between `low` and full light: the frame
-- around the centre of a carousel. Publishes its Update and Draw.
function ui.glowFrame(x, y, w, h, arm, low)
    local glow = 0
    function Update(dt)
        glow = glow + dt
        movie.invalidate()
    end
    function Draw(c)
        c:alpha(low + (1 - low) * math.abs(math.sin(glow * 2)))
        for _, corner in ipairs({ { x, y, 1, 1 }, { x + w, y, -1, 1 }, { x, y + h, 1, -1 }, { x + w, y + h, -1, -1 } }) do
            local cx, cy, dx, dy = corner[1], corner[2], corner[3], corner[4]
            c:line(cx, cy, cx + arm * dx, cy, ui.colors.selected, 4)
            c:line(cx, cy, cx, cy + arm * dy, ui.colors.selected, 4)
        end
    end
end

-- A level bar: its track, filled from the left to `value` (0..1, clamped).
function ui.bar(c, x, y, w, h, value, fill)
    local k = math.max(0, math.min(1, value or 0))
    c:rect(x, y, w, h, ui.colors.shadow, ui.colors.border, 1)
    if k > 0 then
        c:rect(x + 1, y + 1, (w - 2) * k, h - 2, fill or ui.colors.border)
    end
end

-- A rating: `most` stars (5 when left out) side by side from (x, y), `count` of them filled.
function ui.stars(c, x, y, count, size, most)
    size = size or 16
    local r = size * 0.5
    for i = 0, (most or 5) - 1 do
        local points = {}
        for k = 0, 9 do
            local a = k * math.pi / 5 - math.pi / 2
            local d = r
            if math.fmod(k, 2) == 1 then
                d = r * 0.45
            end
            table.insert(points, x + i * (size + 4) + r + d * math.cos(a))
            table.insert(points, y + r + d * math.sin(a))
        end
        local fill = NULL
        if i < count then
            fill = ui.colors.selected
        end
        c:polygon(points, fill, ui.colors.textDisabled, 1)
    end
end

function ui.inside(px, py, x, y, w, h)
    return px >= x and px < x + w and py >= y and py < y + h
end
)";
    return prelude;
}

} // namespace movie
