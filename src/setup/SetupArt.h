#pragma once

#include <QIcon>
#include <QPixmap>

// The program's banner (301 x 68) and icon, drawn rather than shipped.
QPixmap MakeBanner();
QIcon MakeIcon();
