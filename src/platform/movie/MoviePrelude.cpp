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

function ui.inside(px, py, x, y, w, h)
    return px >= x and px < x + w and py >= y and py < y + h
end
)";
    return prelude;
}

} // namespace movie
