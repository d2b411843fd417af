-- The bottom left corner of the frame around a chosen slot (80 x 64): SetState(1) when the
-- slot can be taken, SetState(0) when it cannot.
movie.design(80, 64)
ui.corner("bottomLeft")
