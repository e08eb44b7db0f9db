#include "digital/sevensegmentdigit.h"

#include <QPainter>
#include <QPolygonF>

#include <array>

namespace vm {

namespace {

// Segments as bits: top, upper right, lower right, bottom, lower left, upper
// left, middle.
enum Segment : unsigned {
    Top = 1u << 0,
    UpperRight = 1u << 1,
    LowerRight = 1u << 2,
    Bottom = 1u << 3,
    LowerLeft = 1u << 4,
    UpperLeft = 1u << 5,
    Middle = 1u << 6,
};

constexpr std::array<unsigned, 10> kDigitSegments = {
    Top | UpperRight | LowerRight | Bottom | LowerLeft | UpperLeft,          // 0
    UpperRight | LowerRight,                                                 // 1
    Top | UpperRight | Middle | LowerLeft | Bottom,                          // 2
    Top | UpperRight | Middle | LowerRight | Bottom,                         // 3
    UpperLeft | Middle | UpperRight | LowerRight,                            // 4
    Top | UpperLeft | Middle | LowerRight | Bottom,                          // 5
    Top | UpperLeft | Middle | LowerLeft | LowerRight | Bottom,              // 6
    Top | UpperRight | LowerRight,                                           // 7
    Top | UpperRight | LowerRight | Bottom | LowerLeft | UpperLeft | Middle, // 8
    Top | UpperRight | LowerRight | Bottom | UpperLeft | Middle,             // 9
};

// The digit is drawn on a grid of this size, then scaled to the widget.
constexpr qreal kGridWidth = 12.0;
constexpr qreal kGridHeight = 20.0;
constexpr qreal kThickness = 2.0;
constexpr qreal kGap = 0.3; // between neighbouring segments
constexpr qreal kSlant = 0.1;

// A segment with pointed ends from (x0, y) to (x1, y).
QPolygonF horizontalSegment(qreal x0, qreal x1, qreal y)
{
    const qreal h = kThickness / 2;
    x0 += kGap;
    x1 -= kGap;
    return QPolygonF({QPointF(x0, y), QPointF(x0 + h, y - h), QPointF(x1 - h, y - h),
                      QPointF(x1, y), QPointF(x1 - h, y + h), QPointF(x0 + h, y + h)});
}

// A segment with pointed ends from (x, y0) to (x, y1).
QPolygonF verticalSegment(qreal x, qreal y0, qreal y1)
{
    const qreal h = kThickness / 2;
    y0 += kGap;
    y1 -= kGap;
    return QPolygonF({QPointF(x, y0), QPointF(x + h, y0 + h), QPointF(x + h, y1 - h),
                      QPointF(x, y1), QPointF(x - h, y1 - h), QPointF(x - h, y0 + h)});
}

} // namespace

SevenSegmentDigit::SevenSegmentDigit(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SevenSegmentDigit::setValue(int value)
{
    if (value < 0 || value > 9 || value == m_value) {
        return;
    }
    m_value = value;
    update();
}

void SevenSegmentDigit::setLit(bool lit)
{
    if (lit == m_lit) {
        return;
    }
    m_lit = lit;
    update();
}

QSize SevenSegmentDigit::sizeHint() const
{
    return QSize(18, 30);
}

QSize SevenSegmentDigit::minimumSizeHint() const
{
    return QSize(9, 15);
}

void SevenSegmentDigit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_lit) {
        return;
    }

    // Fit the grid plus a margin of one unit into the widget, keeping its
    // proportions, and lean the digit slightly to the right.
    const qreal scale =
        qMin(width() / (kGridWidth + 2 + kSlant * kGridHeight), height() / (kGridHeight + 2));
    if (scale <= 0) {
        return;
    }
    const qreal drawnWidth = (kGridWidth + kSlant * kGridHeight) * scale;
    const qreal drawnHeight = kGridHeight * scale;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - drawnWidth) / 2 + kSlant * drawnHeight,
                      (height() - drawnHeight) / 2);
    painter.scale(scale, scale);
    painter.shear(-kSlant, 0);

    const qreal h = kThickness / 2;
    const qreal left = h;
    const qreal right = kGridWidth - h;
    const qreal top = h;
    const qreal middle = kGridHeight / 2;
    const qreal bottom = kGridHeight - h;

    const unsigned segments = kDigitSegments[m_value];
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    auto draw = [&](unsigned segment, const QPolygonF& shape) {
        if (segments & segment) {
            painter.drawPolygon(shape);
        }
    };
    draw(Top, horizontalSegment(left, right, top));
    draw(Middle, horizontalSegment(left, right, middle));
    draw(Bottom, horizontalSegment(left, right, bottom));
    draw(UpperLeft, verticalSegment(left, top, middle));
    draw(UpperRight, verticalSegment(right, top, middle));
    draw(LowerLeft, verticalSegment(left, middle, bottom));
    draw(LowerRight, verticalSegment(right, middle, bottom));
}

} // namespace vm
