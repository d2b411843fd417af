-- The chosen dealer's card in the team gathering's loan carousel (256 x 230). The game lays the
-- dealer's face under the hole at (49, 48, 51 x 51). SetRateC and SetCashC set the captions of
-- interest and loan; SetName, SetRate and SetCash the dealer, his rate and the loan he offers.
movie.design(256, 230)

local texts = { rateC = "", cashC = "", name = "", rate = "", cash = "" }
ui.setters(texts, { SetRateC = "rateC", SetCashC = "cashC", SetName = "name", SetRate = "rate", SetCash = "cash" })

function Draw(c)
    c:roundRect(4, 4, 248, 222, 12, "#14243af0", ui.colors.selected, 3)
    ui.hole(c, 49, 48, 51, 51)
    c:rect(46, 45, 57, 57, NULL, ui.colors.selected, 2)
    c:font(ui.font, 17, true)
    c:text(texts.name, 128, 14, ui.colors.text, "center")
    c:font(ui.font, 13, true)
    c:text(texts.rateC, 116, 54, ui.colors.textDisabled)
    c:text(texts.cashC, 20, 120, ui.colors.textDisabled)
    c:font("OCRA", 20)
    c:text(texts.rate, 240, 72, ui.colors.text, "right")
    c:font("OCRA", 30)
    c:text(texts.cash, 240, 146, ui.colors.selected, "right")
end
