#include "bench/Fixtures.h"

namespace bench {

SoundTarget& Sound() {
    static SoundTarget sound;
    return sound;
}

StaffScene& PaintScene() {
    static StaffScene scene;
    return scene;
}

StaffScene& TallPaintScene() {
    static StaffScene scene(false, staff::kMaxLedgerLines);
    return scene;
}

StaffScene& OpaquePaintScene() {
    static StaffScene scene(true);
    return scene;
}

StaffScene& DragScene() {
    // The sound target outlives the scene, whose control closes the device as it goes.
    Sound();
    static StaffScene scene;
    static const bool opened = scene.Staff().InitMidi() && Sound().WaitUntilHeard();
    (void)opened;
    return scene;
}

}  // namespace bench
