-- The mission's card on the team gathering (512 x 280, drawn in its upper 220 so that the
-- buttons below stay clear). SetTxt0 to SetTxt4 set the captions of client, mission, location,
-- team and money; SetName, SetTitle and SetLocation the client, the mission and its location;
-- SetMaxTeam and SetCurTeam the seats and the pirates hired; SetMoney the money left, red when
-- it is short.
movie.design(512, 280)

local captions = { "", "", "", "", "" }
local texts = { from = "", title = "", location = "" }
local team = { max = 0, current = 0 }
local money = 0
local flash = tween(0)

ui.setters(captions, { SetTxt0 = 1, SetTxt1 = 2, SetTxt2 = 3, SetTxt3 = 4, SetTxt4 = 5 })
ui.setters(texts, { SetName = "from", SetTitle = "title", SetLocation = "location" })
ui.setters(team, { SetMaxTeam = "max", SetCurTeam = "current" })

function SetMoney(value)
    money = value
    flash:set(1)
    flash:to(0, 0.4)
end

local function Line(c, caption, value, y)
    c:font(ui.font, 14, true)
    c:text(caption, 24, y, ui.colors.textDisabled)
    c:font(ui.font, 17, true)
    c:text(value, 120, y - 2, ui.colors.text)
end

function Draw(c)
    ui.panel(c, 6, 6, 500, 208)
    Line(c, captions[1], texts.from, 22)
    Line(c, captions[2], texts.title, 50)
    Line(c, captions[3], texts.location, 78)
    Line(c, captions[4], team.current .. " / " .. team.max, 106)
    c:line(20, 140, 492, 140, ui.colors.border, 1)
    c:font(ui.font, 14, true)
    c:text(captions[5], 24, 160, ui.colors.textDisabled)
    if flash.value > 0 then
        c:roundRect(300, 150, 196, 44, 8, mix("#e39a2d00", "#e39a2d70", flash.value))
    end
    local paint = ui.colors.selected
    if money < 0 then
        paint = "#ff4040"
    end
    c:font("OCRA", 30)
    c:text(tostring(money), 486, 156, paint, "right")
end
