#include "setup/SetupArt.h"

#include "foundation/base/Icon.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kBannerWidth = 301;
constexpr int kBannerHeight = 68;

// The same sky on every run.
void DrawStars(QPainter& painter, const QRect& area, int count)
{
    unsigned seed = 0x2545F491u;
    for (int i = 0; i < count; ++i)
    {
        seed = seed * 1664525u + 1013904223u;
        const int x = area.left() + static_cast<int>((seed >> 8) % static_cast<unsigned>(area.width()));
        seed = seed * 1664525u + 1013904223u;
        const int y = area.top() + static_cast<int>((seed >> 8) % static_cast<unsigned>(area.height()));
        const int brightness = 120 + static_cast<int>((seed >> 4) % 136);
        painter.setPen(QColor(brightness, brightness, 255));
        painter.drawPoint(x, y);
    }
}

// The game window's own icon.
QImage GameIconImage()
{
    const Icon icon = MakeIcon();
    QImage image(Icon::Size, Icon::Size, QImage::Format_ARGB32);
    for (int y = 0; y < Icon::Size; ++y)
        std::copy_n(icon.pixels.data() + y * Icon::Size, Icon::Size, reinterpret_cast<uint32_t*>(image.scanLine(y)));
    return image;
}

} // namespace

QPixmap MakeBanner()
{
    QPixmap banner(kBannerWidth, kBannerHeight);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, kBannerWidth, kBannerHeight);
    sky.setColorAt(0, QColor(6, 10, 32));
    sky.setColorAt(1, QColor(22, 34, 78));
    painter.fillRect(banner.rect(), sky);
    DrawStars(painter, banner.rect(), 90);

    // A planet's limb on the right.
    QRadialGradient planet(QPointF(300, 96), 80);
    planet.setColorAt(0.0, QColor(40, 90, 170));
    planet.setColorAt(0.85, QColor(70, 150, 220));
    planet.setColorAt(1.0, QColor(120, 200, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(planet);
    painter.drawEllipse(QPointF(300, 96), 80, 80);

    painter.drawImage(QPoint(14, 18), GameIconImage());

    QFont title("DejaVu Sans", 24, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(title);
    painter.setPen(QColor(235, 240, 255));
    painter.drawText(QRect(54, 6, 240, 40), Qt::AlignLeft | Qt::AlignVCenter, "VANTREL");
    QFont subtitle("DejaVu Sans", 9);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(subtitle);
    painter.setPen(QColor(150, 180, 230));
    painter.drawText(QRect(56, 44, 240, 18), Qt::AlignLeft | Qt::AlignVCenter, "SETUP");
    return banner;
}

QIcon MakeWindowIcon() { return QIcon(QPixmap::fromImage(GameIconImage())); }
