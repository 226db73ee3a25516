// The objects the benchmarks share, made on first use and kept for the whole run so that
// every repetition measures the same state.
#pragma once

#include "bench/SoundTarget.h"
#include "bench/StaffScene.h"

namespace bench {

SoundTarget& Sound();
// The scene that the repaint benchmarks draw; nothing moves in it.
StaffScene& PaintScene();
// The same on an opaque surface, as the Qt backend's.
StaffScene& OpaquePaintScene();
// The same on the tallest staff, four ledger lines each way.
StaffScene& TallPaintScene();
// A scene whose dragged note the move benchmarks push around, with the sound target open.
StaffScene& DragScene();

}  // namespace bench
