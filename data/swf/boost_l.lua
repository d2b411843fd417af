-- A boost panel under the speed gauge; it slides outwards while the booster fires.
movie.design(133, 18)

function Draw(c)
    c:roundRect(1, 1, 131, 16, 4, "#3a1a04c0", "#ffa030", 1.5)
    c:font("OCRA", 11)
    c:text("BOOST", 66, 2, "#ffc060", "center")
end
