// A supersampled coverage canvas: shapes are set on a fine grid, and each picture pixel's
// coverage is the share of its fine samples that are set. Deterministic by construction:
// a sample is in or out, decided by one comparison of doubles computed the same way.
#pragma once

#include <vector>

class InkCanvas {
  public:
    // `samples` fine samples along each axis of every pixel. Every position and width
    // given below is multiplied by `scale`, so the same strokes draw a larger picture, and
    // every y is first moved `down` rows, so they draw it lower.
    InkCanvas(int width, int height, int samples, int scale = 1, int down = 0);

    // Pen positions are in pixel units of the unscaled picture; pixel (x, y) covers [x, x+1) × [y,
    // y+1).
    void Disc(double cx, double cy, double radius);
    // An ellipse with half-axes rx, ry, its rx axis turned by `degrees` (clockwise on screen).
    void Ellipse(double cx, double cy, double rx, double ry, double degrees);
    // A rectangle with square corners, edges included as far as they reach into a pixel.
    void Rect(double left, double top, double right, double bottom);
    // Removes ink inside such an ellipse.
    void ClearEllipse(double cx, double cy, double rx, double ry, double degrees);
    // A smooth stroke through the knots: Catmull-Rom cubics, width varying linearly.
    struct Knot {
        double x;
        double y;
        double width;
    };
    void Stroke(const std::vector<Knot>& knots);
    // A convex polygon, its corners in order round it (either way): for the straight,
    // square-ended strokes of engraved signs.
    struct Corner {
        double x;
        double y;
    };
    void Polygon(const std::vector<Corner>& corners);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Coverage of a pixel from 0 (no ink) to 255 (full), rounded.
    int Coverage(int x, int y) const;

  private:
    void SetSamplesWhere(double left, double top, double right, double bottom, unsigned char value,
                         auto&& inside);
    void EllipseSamples(double cx, double cy, double rx, double ry, double degrees,
                        unsigned char value);

    int m_width;
    int m_height;
    int m_samples;
    double m_scale;
    double m_down;
    std::vector<unsigned char> m_fine;
};
