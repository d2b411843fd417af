-- The small button of the profile and hangar screens. The game sets its caption (SetText) and
-- its state (SetState: 0 disabled, 1 normal, 2 selected); the face fades to a new state's colour.
movie.design(256, 105)

ui.buttonMovie(6, 10, 244, 80, 24)
