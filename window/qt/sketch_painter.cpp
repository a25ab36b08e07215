#include "window/qt/sketch_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "strings/drawing_string_ids.h"

namespace zarvek {
namespace {

const QColor kWarning(200, 30, 30);
const QColor kPass(0, 100, 0);
const QColor kBand(70, 130, 180);

// Sides are 0 = 1-2, 1 = 2-3, 2 = 3-1; the seat opposite side s is the one not on it.
constexpr std::array<std::size_t, 3> kSideStart = {0, 1, 2};
constexpr std::array<std::size_t, 3> kSideEnd = {1, 2, 0};
constexpr std::array<std::size_t, 3> kOppositeSeat = {2, 0, 1};

constexpr double kPadding = 8.0;

QString Text(int id, Language language) {
    return QString::fromStdString(LookupString(id, language));
}

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QPointF Unit(const QPointF& v, const QPointF& fallback) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 && std::isfinite(length) ? v / length : fallback;
}

// The band of side `s`, toward its opposite seat, as four points of the drawing plane; none when
// the side has no length in the plane (it runs along the viewing direction).
std::optional<std::array<SketchPoint, 4>> Band(const PatternSketch& sketch, std::size_t s) {
    const SketchPoint a = sketch.seats[kSideStart[s]];
    const SketchPoint b = sketch.seats[kSideEnd[s]];
    const SketchPoint c = sketch.seats[kOppositeSeat[s]];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) {
        return std::nullopt;
    }
    double nx = -dy / length;
    double ny = dx / length;
    if ((c.x - a.x) * nx + (c.y - a.y) * ny < 0) {
        nx = -nx;
        ny = -ny;
    }
    const double depth = sketch.spreadBand[s];
    return std::array<SketchPoint, 4>{a, b, SketchPoint{b.x + nx * depth, b.y + ny * depth},
                                      SketchPoint{a.x + nx * depth, a.y + ny * depth}};
}

// Everything of the drawing plane that is drawn: seats and band corners.
std::vector<SketchPoint> DrawnPoints(const PatternSketch& sketch) {
    std::vector<SketchPoint> points(sketch.seats.begin(), sketch.seats.end());
    for (std::size_t s = 0; s < 3; ++s) {
        if (const auto band = Band(sketch, s)) {
            points.insert(points.end(), band->begin(), band->end());
        }
    }
    return points;
}

// The drawing plane (x right, y up, mm) on the widget (y down, pixels), one scale for both axes.
struct Mapping {
    double scale = 1.0;
    QPointF origin;
    QPointF operator()(const SketchPoint& p) const {
        return {origin.x() + p.x * scale, origin.y() - p.y * scale};
    }
};

Mapping Fit(const std::vector<SketchPoint>& points, const QRectF& target) {
    double left = points[0].x, right = left, bottom = points[0].y, top = bottom;
    for (const SketchPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double width = right - left;
    const double height = top - bottom;
    Mapping mapping;
    if (width > 0 && height > 0) {
        mapping.scale = std::min(target.width() / width, target.height() / height);
    } else if (width > 0) {
        mapping.scale = target.width() / width;
    } else if (height > 0) {
        mapping.scale = target.height() / height;
    }
    mapping.origin = QPointF(target.center().x() - (left + width / 2) * mapping.scale,
                             target.center().y() + (bottom + height / 2) * mapping.scale);
    return mapping;
}

struct Label {
    QString text;
    QRectF rect;
    QColor colour;
    bool bold = false;
};

// A label of `size` beside `anchor`, pushed `gap` pixels out along the unit `direction` so that
// its near edge clears the anchor.
QRectF Beside(const QPointF& anchor, const QPointF& direction, const QSizeF& size, double gap) {
    const double reach = gap + 0.5 * (std::fabs(direction.x()) * size.width() +
                                      std::fabs(direction.y()) * size.height());
    const QPointF centre = anchor + direction * reach;
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                  size.height());
}

struct Fonts {
    QFont normal;
    QFont bold;
};

std::vector<Label> Labels(const PatternSketch& sketch, const Mapping& mapping, const Fonts& fonts,
                          const QColor& ink, Language language, const NumberLocale& locale) {
    std::array<QPointF, 3> seats;
    for (std::size_t k = 0; k < 3; ++k) {
        seats[k] = mapping(sketch.seats[k]);
    }
    const QPointF centre = (seats[0] + seats[1] + seats[2]) / 3.0;
    const QFontMetricsF metrics(fonts.normal);
    const QFontMetricsF boldMetrics(fonts.bold);
    const QString millimetres = Text(kSketchMillimetres, language);
    std::vector<Label> labels;
    for (std::size_t s = 0; s < 3; ++s) {
        const QPointF a = seats[kSideStart[s]];
        const QPointF b = seats[kSideEnd[s]];
        const QPointF middle = (a + b) / 2.0;
        QPointF outward = Unit(QPointF(-(b - a).y(), (b - a).x()), QPointF(0, -1));
        if (QPointF::dotProduct(outward, middle - centre) < 0) {
            outward = -outward;
        }
        Label label;
        label.text = QString::fromStdString(FormatPattern(sketch.sideLengths[s], 3, locale)) +
                     QLatin1Char(' ') + millimetres;
        label.rect = Beside(middle, outward, metrics.size(0, label.text), 6);
        label.colour = sketch.sideTooAlike[s] ? kWarning : ink;
        label.bold = sketch.sideTooAlike[s];
        labels.push_back(label);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        Label label;
        label.text = QString::number(k + 1);
        const QPointF outward = Unit(seats[k] - centre, QPointF(0, -1));
        label.rect = Beside(seats[k], outward, boldMetrics.size(0, label.text),
                            sketch.seatTooClose[k] ? 12 : 8);
        label.colour = sketch.seatTooClose[k] ? kWarning : ink;
        label.bold = true;
        labels.push_back(label);
    }
    return labels;
}

QRectF Bounds(const std::vector<SketchPoint>& points, const Mapping& mapping) {
    const QPointF first = mapping(points[0]);
    double left = first.x(), right = left, top = first.y(), bottom = top;
    for (const SketchPoint& p : points) {
        const QPointF q = mapping(p);
        left = std::min(left, q.x());
        right = std::max(right, q.x());
        top = std::min(top, q.y());
        bottom = std::max(bottom, q.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Fits the drawing and its labels into `target`: the labels keep their size in pixels, so the
// room they need beyond the drawing is measured and the drawing fitted again into what is left.
Mapping FitWithLabels(const PatternSketch& sketch, const std::vector<SketchPoint>& points,
                      const QRectF& target, const Fonts& fonts, Language language,
                      const NumberLocale& locale) {
    Mapping mapping = Fit(points, target);
    for (int pass = 0; pass < 2; ++pass) {
        const QRectF drawing = Bounds(points, mapping);
        QRectF all = drawing;
        for (const Label& label : Labels(sketch, mapping, fonts, QColor(), language, locale)) {
            all = all.united(label.rect);
        }
        const QRectF room =
            target.adjusted(drawing.left() - all.left(), drawing.top() - all.top(),
                            drawing.right() - all.right(), drawing.bottom() - all.bottom());
        if (room.width() < 4 || room.height() < 4) {
            break;
        }
        mapping = Fit(points, room);
    }
    return mapping;
}

void PaintBands(QPainter& painter, const PatternSketch& sketch, const Mapping& mapping) {
    for (std::size_t s = 0; s < 3; ++s) {
        const auto band = Band(sketch, s);
        if (!band) {
            continue;
        }
        const bool failing = sketch.seatTooClose[kOppositeSeat[s]];
        const QColor colour = failing ? kWarning : kBand;
        QColor fill = colour;
        fill.setAlpha(failing ? 50 : 26);
        QColor edge = colour;
        edge.setAlpha(failing ? 220 : 130);
        painter.setBrush(fill);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygonF(
            {mapping((*band)[0]), mapping((*band)[1]), mapping((*band)[2]), mapping((*band)[3])}));
        painter.setPen(QPen(edge, failing ? 1.5 : 1.0, Qt::DashLine));
        painter.drawLine(mapping((*band)[2]), mapping((*band)[3]));
    }
}

void PaintSides(QPainter& painter, const PatternSketch& sketch, const std::array<QPointF, 3>& seats,
                const QColor& ink) {
    painter.setBrush(Qt::NoBrush);
    for (std::size_t s = 0; s < 3; ++s) {
        const bool alike = sketch.sideTooAlike[s];
        painter.setPen(
            QPen(alike ? kWarning : ink, alike ? 3.0 : 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(seats[kSideStart[s]], seats[kSideEnd[s]]);
    }
}

void PaintSeats(QPainter& painter, const PatternSketch& sketch, const std::array<QPointF, 3>& seats,
                const QColor& ink) {
    for (std::size_t k = 0; k < 3; ++k) {
        if (sketch.seatTooClose[k]) {
            painter.setPen(QPen(kWarning, 2.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(seats[k], 9.0, 9.0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(sketch.seatTooClose[k] ? kWarning : ink);
        painter.drawEllipse(seats[k], 4.5, 4.5);
    }
}

// An arc around the middle of the triangle from seat 1 past seat 2 towards seat 3, with its head at
// the end: the turn as it looks from the viewer's side.
void PaintTurn(QPainter& painter, const PatternSketch& sketch, const std::array<QPointF, 3>& seats,
               const QColor& ink, const QColor& undecided) {
    const QPointF ab = seats[1] - seats[0];
    const QPointF ac = seats[2] - seats[0];
    // Twice the area on screen, positive for a turn that looks counter-clockwise.
    const double twiceArea = ac.x() * ab.y() - ab.x() * ac.y();
    const double perimeter = std::hypot(ab.x(), ab.y()) + std::hypot(ac.x(), ac.y()) +
                             std::hypot((seats[2] - seats[1]).x(), (seats[2] - seats[1]).y());
    if (!(std::fabs(twiceArea) > 1.0) || !(perimeter > 0)) {
        return;  // the seats lie on one line in the picture: there is no turn to show
    }
    const double inradius = std::fabs(twiceArea) / perimeter;
    const double radius = std::clamp(0.5 * inradius, 8.0, 34.0);
    const QPointF centre = (seats[0] + seats[1] + seats[2]) / 3.0;
    const auto angleOf = [&](const QPointF& p) {
        return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / std::numbers::pi;
    };
    const bool counterClockwise = twiceArea > 0;
    const double first = angleOf(seats[0]);
    const double last = angleOf(seats[2]);
    const double direction = counterClockwise ? 1.0 : -1.0;
    double sweep = std::fmod(direction * (last - first) + 720.0, 360.0);
    const double trim = std::min(18.0, sweep / 4);
    const double start = first + direction * trim;
    sweep = direction * (sweep - 2 * trim);

    const QColor colour =
        !sketch.rightHand.has_value() ? undecided : (*sketch.rightHand ? ink : kWarning);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);

    const double end = (start + sweep) * std::numbers::pi / 180.0;
    const QPointF tip = centre + QPointF(std::cos(end), -std::sin(end)) * radius;
    // The direction of travel at the end of the arc, on screen.
    const QPointF along = QPointF(-std::sin(end), -std::cos(end)) * direction;
    const QPointF across(-along.y(), along.x());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF(
        {tip + along * 4.0, tip - along * 6.0 + across * 4.5, tip - along * 6.0 - across * 4.5}));
}

// Labels stand on a patch of the background, so that band edges under them do not cross the text.
void PaintLabels(QPainter& painter, const std::vector<Label>& labels, const Fonts& fonts,
                 const QColor& background) {
    QColor patch = background;
    patch.setAlpha(215);
    for (const Label& label : labels) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(patch);
        painter.drawRoundedRect(label.rect.adjusted(-2, 0, 2, 0), 3, 3);
        painter.setFont(label.bold ? fonts.bold : fonts.normal);
        painter.setPen(label.colour);
        painter.drawText(label.rect, Qt::AlignCenter, label.text);
    }
}

void PaintCentredText(QPainter& painter, const QRectF& area, const QString& text,
                      const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(area.adjusted(kPadding, kPadding, -kPadding, -kPadding),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
}

bool PaintTriangle(QPainter& painter, const QRectF& area, const PatternSketch& sketch,
                   Language language, const NumberLocale& locale, const QPalette& palette) {
    const std::vector<SketchPoint> points = DrawnPoints(sketch);
    Fonts fonts{painter.font(), painter.font()};
    fonts.bold.setBold(true);
    const Mapping mapping = FitWithLabels(sketch, points, area, fonts, language, locale);
    std::array<QPointF, 3> seats;
    for (std::size_t k = 0; k < 3; ++k) {
        seats[k] = mapping(sketch.seats[k]);
    }
    const bool finite = std::isfinite(mapping.scale) &&
                        std::all_of(points.begin(), points.end(),
                                    [&](const SketchPoint& p) { return Finite(mapping(p)); });
    if (!finite) {
        return false;
    }
    const QColor ink = palette.color(QPalette::Text);
    PaintBands(painter, sketch, mapping);
    PaintSides(painter, sketch, seats, ink);
    PaintTurn(painter, sketch, seats, ink, palette.color(QPalette::Mid));
    PaintSeats(painter, sketch, seats, ink);
    PaintLabels(painter, Labels(sketch, mapping, fonts, ink, language, locale), fonts,
                palette.color(QPalette::Base));
    return true;
}

}  // namespace

QColor SketchWarningColour() {
    return kWarning;
}

void PaintSketch(QPainter& painter, const QRectF& area, const PatternSketch& sketch,
                 Language language, const NumberLocale& locale, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette.color(QPalette::Mid));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    const QFontMetricsF metrics(painter.font());
    const QRectF inner = area.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);
    const QColor quiet = palette.color(QPalette::PlaceholderText);
    if (sketch.hint) {
        PaintCentredText(painter, area, Text(*sketch.hint, language), quiet);
        painter.restore();
        return;
    }

    const QRectF caption(inner.left(), inner.top(), inner.width(), metrics.height() + 4);
    painter.setPen(quiet);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, Text(kSketchViewCaption, language));

    const QString verdict = sketch.firstFailure ? Text(*sketch.firstFailure, language)
                                                : Text(kSketchSeatsPass, language);
    QFont verdictFont = painter.font();
    verdictFont.setBold(true);
    const QRectF verdictSize =
        QFontMetricsF(verdictFont)
            .boundingRect(QRectF(0, 0, inner.width(), area.height()), Qt::TextWordWrap, verdict);
    const QRectF verdictArea(inner.left(), inner.bottom() - verdictSize.height() - 2, inner.width(),
                             verdictSize.height() + 2);

    const QRectF drawing(inner.left() + kPadding, caption.bottom() + kPadding,
                         inner.width() - 2 * kPadding,
                         verdictArea.top() - caption.bottom() - 2 * kPadding);
    // A widget too small for the triangle still shows the verdict.
    if (drawing.width() >= 8 && drawing.height() >= 8 &&
        !PaintTriangle(painter, drawing, sketch, language, locale, palette)) {
        PaintCentredText(painter, area, Text(kSketchHintTooLarge, language), quiet);
        painter.restore();
        return;
    }
    painter.setFont(verdictFont);
    painter.setPen(sketch.firstFailure ? kWarning : kPass);
    painter.drawText(verdictArea, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap, verdict);
    painter.restore();
}

}  // namespace zarvek
