// Sends what the ALSA library says about itself to the library log instead of standard
// error. Once is enough; calling again does no harm.
#pragma once

void CatchAlsaMessages();
