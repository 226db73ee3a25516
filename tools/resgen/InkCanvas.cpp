#include "tools/resgen/InkCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

InkCanvas::InkCanvas(int width, int height, int samples, int scale, int down)
    : m_width(width),
      m_height(height),
      m_samples(samples),
      m_scale(scale),
      m_down(down),
      m_fine(static_cast<std::size_t>(width) * samples * height * samples, 0) {}

void InkCanvas::SetSamplesWhere(double left, double top, double right, double bottom,
                                unsigned char value, auto&& inside) {
    const int fineWidth = m_width * m_samples;
    const int fineHeight = m_height * m_samples;
    const int x0 = std::max(0, static_cast<int>(std::floor(left * m_samples)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top * m_samples)));
    const int x1 = std::min(fineWidth - 1, static_cast<int>(std::ceil(right * m_samples)));
    const int y1 = std::min(fineHeight - 1, static_cast<int>(std::ceil(bottom * m_samples)));
    for (int fy = y0; fy <= y1; ++fy) {
        const double y = (fy + 0.5) / m_samples;
        for (int fx = x0; fx <= x1; ++fx) {
            const double x = (fx + 0.5) / m_samples;
            if (inside(x, y)) {
                m_fine[static_cast<std::size_t>(fy) * fineWidth + fx] = value;
            }
        }
    }
}

void InkCanvas::Disc(double cx, double cy, double radius) {
    cx *= m_scale;
    cy = (cy + m_down) * m_scale;
    radius *= m_scale;
    const double r2 = radius * radius;
    SetSamplesWhere(cx - radius, cy - radius, cx + radius, cy + radius, 1, [&](double x, double y) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r2;
    });
}

void InkCanvas::Rect(double left, double top, double right, double bottom) {
    left *= m_scale;
    top = (top + m_down) * m_scale;
    right *= m_scale;
    bottom = (bottom + m_down) * m_scale;
    SetSamplesWhere(left, top, right, bottom, 1, [&](double x, double y) {
        return x >= left && x <= right && y >= top && y <= bottom;
    });
}

void InkCanvas::Ellipse(double cx, double cy, double rx, double ry, double degrees) {
    EllipseSamples(cx, cy, rx, ry, degrees, 1);
}

void InkCanvas::ClearEllipse(double cx, double cy, double rx, double ry, double degrees) {
    EllipseSamples(cx, cy, rx, ry, degrees, 0);
}

void InkCanvas::EllipseSamples(double cx, double cy, double rx, double ry, double degrees,
                               unsigned char value) {
    cx *= m_scale;
    cy = (cy + m_down) * m_scale;
    rx *= m_scale;
    ry *= m_scale;
    const double turn = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    const double reach = std::max(rx, ry);
    SetSamplesWhere(cx - reach, cy - reach, cx + reach, cy + reach, value, [&](double x, double y) {
        const double u = ((x - cx) * c + (y - cy) * s) / rx;
        const double v = (-(x - cx) * s + (y - cy) * c) / ry;
        return u * u + v * v <= 1.0;
    });
}

void InkCanvas::Stroke(const std::vector<Knot>& knots) {
    const std::size_t n = knots.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        // Catmull-Rom segment from knot i to i+1 as a cubic Bezier.
        const Knot& p0 = knots[i == 0 ? 0 : i - 1];
        const Knot& p1 = knots[i];
        const Knot& p2 = knots[i + 1];
        const Knot& p3 = knots[i + 2 < n ? i + 2 : n - 1];
        const double b1x = p1.x + (p2.x - p0.x) / 6.0;
        const double b1y = p1.y + (p2.y - p0.y) / 6.0;
        const double b2x = p2.x - (p3.x - p1.x) / 6.0;
        const double b2y = p2.y - (p3.y - p1.y) / 6.0;
        const double length = std::hypot(p2.x - p1.x, p2.y - p1.y) +
                              std::hypot(b1x - p1.x, b1y - p1.y) +
                              std::hypot(b2x - p2.x, b2y - p2.y);
        const int steps = std::max(8, static_cast<int>(length * 12 * m_scale));
        for (int k = 0; k <= steps; ++k) {
            const double t = static_cast<double>(k) / steps;
            const double u = 1.0 - t;
            const double x =
                u * u * u * p1.x + 3 * u * u * t * b1x + 3 * u * t * t * b2x + t * t * t * p2.x;
            const double y =
                u * u * u * p1.y + 3 * u * u * t * b1y + 3 * u * t * t * b2y + t * t * t * p2.y;
            // Smoothstep between widths keeps thick-thin transitions gentle.
            const double w = p1.width + (p2.width - p1.width) * t * t * (3 - 2 * t);
            Disc(x, y, w / 2.0);
        }
    }
}

void InkCanvas::Polygon(const std::vector<Corner>& corners) {
    std::vector<Corner> scaled;
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Corner& c : corners) {
        scaled.push_back({c.x * m_scale, c.y * m_scale});
        left = std::min(left, scaled.back().x);
        top = std::min(top, scaled.back().y);
        right = std::max(right, scaled.back().x);
        bottom = std::max(bottom, scaled.back().y);
    }
    // Inside when the point lies on the same side of every edge.
    SetSamplesWhere(left, top, right, bottom, 1, [&](double x, double y) {
        bool anyLeft = false;
        bool anyRight = false;
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const Corner& a = scaled[i];
            const Corner& b = scaled[(i + 1) % scaled.size()];
            const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
            anyLeft = anyLeft || cross < 0;
            anyRight = anyRight || cross > 0;
        }
        return !(anyLeft && anyRight);
    });
}

int InkCanvas::Coverage(int x, int y) const {
    const int fineWidth = m_width * m_samples;
    int count = 0;
    for (int fy = y * m_samples; fy < (y + 1) * m_samples; ++fy) {
        for (int fx = x * m_samples; fx < (x + 1) * m_samples; ++fx) {
            count += m_fine[static_cast<std::size_t>(fy) * fineWidth + fx];
        }
    }
    const int total = m_samples * m_samples;
    return (count * 255 + total / 2) / total;
}
