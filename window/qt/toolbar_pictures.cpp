#include "window/qt/toolbar_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace zarvek {
namespace {

const QColor kOutline(40, 40, 40);
const QColor kRed(200, 16, 16);
const QColor kDarkRed(120, 0, 0);

QPixmap Paint(qreal scale, const std::function<void(QPainter&)>& draw) {
    const int side = static_cast<int>(std::ceil(kToolbarPictureSize * scale));
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    picture.setDevicePixelRatio(scale);
    return picture;
}

void DrawPage(QPainter& p) {
    // A sheet with its top right corner folded over.
    const QPolygonF sheet({{5.5, 2.5}, {14.5, 2.5}, {19.5, 7.5}, {19.5, 21.5}, {5.5, 21.5}});
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    const QPolygonF fold({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}});
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(fold);
}

void DrawOpenFolder(QPainter& p) {
    // The back of the folder with its tab, the open front flap tilted forward, and an arrow
    // curving out of it.
    p.setPen(QPen(QColor(120, 90, 10), 1.0));
    p.setBrush(QColor(230, 190, 70));
    p.drawPolygon(
        QPolygonF({{1.5, 8.5}, {6.5, 8.5}, {8.5, 10.5}, {16.5, 10.5}, {16.5, 20.5}, {1.5, 20.5}}));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygonF({{4.5, 13.5}, {21.5, 13.5}, {17.5, 20.5}, {1.5, 20.5}}));

    QPainterPath arrow;
    arrow.moveTo(10.0, 11.0);
    arrow.cubicTo(10.5, 6.0, 14.0, 3.5, 18.5, 4.0);
    p.setPen(QPen(QColor(20, 110, 30), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 110, 30));
    p.drawPolygon(QPolygonF({{17.0, 0.8}, {22.5, 4.2}, {17.2, 7.4}}));
}

// A bold serif-less T whose bar spans [left, left + width] and whose stem runs to `bottom`.
void DrawLetterT(QPainter& p, qreal left, qreal width, qreal top, qreal bottom) {
    const qreal bar = width * 0.28;
    const qreal stem = width * 0.32;
    QPainterPath t;
    t.addRect(QRectF(left, top, width, bar));
    t.addRect(QRectF(left + (width - stem) / 2, top, stem, bottom - top));
    t.setFillRule(Qt::WindingFill);
    p.setPen(QPen(kDarkRed, 0.8));
    p.setBrush(kRed);
    p.drawPath(t.simplified());
}

void DrawT(QPainter& p) {
    DrawLetterT(p, 3.0, 18.0, 2.5, 21.5);
}

void DrawTPlus(QPainter& p) {
    DrawLetterT(p, 1.0, 14.0, 2.5, 21.5);
    QPainterPath plus;
    plus.addRect(QRectF(14.0, 14.2, 9.0, 3.2));
    plus.addRect(QRectF(16.9, 11.3, 3.2, 9.0));
    plus.setFillRule(Qt::WindingFill);
    p.setPen(QPen(kDarkRed, 0.8));
    p.setBrush(kRed);
    p.drawPath(plus.simplified());
}

}  // namespace

std::array<QPixmap, 4> DrawToolbarPictures(qreal devicePixelRatio) {
    return {Paint(devicePixelRatio, DrawPage), Paint(devicePixelRatio, DrawOpenFolder),
            Paint(devicePixelRatio, DrawT), Paint(devicePixelRatio, DrawTPlus)};
}

QPixmap Greyed(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            // Lighter grey, half as opaque.
            const int grey = 128 + qGray(pixel) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) / 2);
        }
    }
    QPixmap greyed = QPixmap::fromImage(image);
    greyed.setDevicePixelRatio(picture.devicePixelRatio());
    return greyed;
}

}  // namespace zarvek
