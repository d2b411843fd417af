-- A dealer's card beside the chosen one in the team gathering's loan carousel (256 x 230).
-- SetRateC and SetCashC set the captions of interest and loan; SetName, SetRate and SetCash the
-- dealer, his rate and the loan he offers.
movie.design(256, 230)

local texts = { rateC = "", cashC = "", name = "", rate = "", cash = "" }
ui.setters(texts, { SetRateC = "rateC", SetCashC = "cashC", SetName = "name", SetRate = "rate", SetCash = "cash" })

function Draw(c)
    c:roundRect(8, 8, 240, 214, 12, "#14243ae0", ui.colors.border, 2)
    c:rect(44, 44, 59, 59, ui.colors.shadow, ui.colors.border, 1)
    c:font(ui.font, 16, true)
    c:text(texts.name, 128, 16, ui.colors.text, "center")
    c:font(ui.font, 13, true)
    c:text(texts.rateC, 116, 60, ui.colors.textDisabled)
    c:text(texts.cashC, 24, 140, ui.colors.textDisabled)
    c:font("OCRA", 18)
    c:text(texts.rate, 236, 78, ui.colors.text, "right")
    c:text(texts.cash, 236, 160, ui.colors.selected, "right")
end
