-- The game's name over the main menu (1280 x 300): "VANTREL" in large letters with a thin
-- line under it that sweeps slowly across.
movie.design(1280, 300)

local sweep = 0

function Update(dt)
    sweep = math.fmod(sweep + dt * 0.25, 1)
    movie.invalidate(0, 150, 1280, 30)
end

function Draw(c)
    c:font(ui.font, 96, true)
    c:text("VANTREL", 644, 44, ui.colors.shadow, "center")
    local face = c:linearGradient(0, 40, 0, 150, { 0, "#ffffff", 0.55, "#9fd0ff", 1, ui.colors.border })
    c:text("VANTREL", 640, 40, face, "center")
    local x = 340 + 600 * sweep
    local line = c:linearGradient(340, 0, 940, 0,
                                  { 0, "#6fa8ff00", 0.5, ui.colors.border, 1, "#6fa8ff00" })
    c:rect(340, 160, 600, 3, line)
    c:rect(x - 40, 158, 80, 7, mix("#e39a2d00", "#e39a2d", 0.8))
end
