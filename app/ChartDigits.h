// Numbers for the chart's scales, drawn as seven-segment digits with the drawing layer's
// pen: 5 x 9 client pixels a digit, 2 apart.
#pragma once

#include "platform/CDC.h"

enum class DigitsAlign { Left, Right, Centre };

// `y` is the digits' top; `x` their left edge, right edge or centre.
void DrawNumber(CDC& dc, int x, int y, int value, DigitsAlign align);
