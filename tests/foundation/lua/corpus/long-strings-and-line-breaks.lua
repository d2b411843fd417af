r = [[a]=]b]] s = [[
x[[y]]
z]] t = "a\
b" -- c
u = 1