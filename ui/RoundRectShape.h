#pragma once
// GDI's rectangles and rounded rectangles. The outline is a closed polygon of
// pixel positions whose consecutive points lie on one row or column or are
// diagonal neighbours, so drawing its sides as lines gives GDI's pixels. The
// inside is filled separately, row by row, the way GDI builds a rounded
// region; the outline is drawn over it and does not always cover its edge.
#include <vector>

#include "core/Graphics.h"

// Rect must be normalised and not empty. Corners cut to the rectangle's size
// that are narrower or lower than three pixels give a plain rectangle.
int CornerWidth(const TRect& Rect, int EllipseWidth);
int CornerHeight(const TRect& Rect, int EllipseHeight);
bool IsRoundCorner(int Width, int Height);

// The bottom-right quarter of an ellipse that fills a Width x Height box,
// from its rightmost point down to its bottom, in the box's coordinates.
std::vector<TPoint> EllipseQuadrant(int Width, int Height);

// For every row of that box, how many pixels the filled rounded rectangle
// leaves out at each end of the row, or RowLeftEmpty.
constexpr int RowLeftEmpty = -1;
std::vector<int> EllipseRowInsets(int Width, int Height);

std::vector<TPoint> RoundRectOutline(const TRect& Rect, int EllipseWidth, int EllipseHeight);
