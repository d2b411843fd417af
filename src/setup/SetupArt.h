#pragma once

#include <QIcon>
#include <QPixmap>

// The program's banner (301 x 68), drawn rather than shipped, and the game's own icon.
QPixmap MakeBanner();
QIcon MakeWindowIcon();
