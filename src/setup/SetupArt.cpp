#include "setup/SetupArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

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

// A ship's arrow-head silhouette pointing right, inside `box`.
QPainterPath ShipShape(const QRectF& box)
{
    QPainterPath path;
    path.moveTo(box.right(), box.center().y());
    path.lineTo(box.left(), box.top());
    path.lineTo(box.left() + box.width() * 0.3, box.center().y());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    return path;
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

    painter.setBrush(QColor(230, 140, 40));
    painter.drawPath(ShipShape(QRectF(14, 20, 30, 22)));

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

QIcon MakeIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
    {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(16, 26, 64));
        painter.drawEllipse(QRectF(0, 0, size, size));
        painter.setBrush(QColor(230, 140, 40));
        painter.drawPath(ShipShape(QRectF(size * 0.22, size * 0.28, size * 0.6, size * 0.44)));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
