// Sends what FluidSynth, and the JACK client library it brings along, say about themselves
// to the library log instead of standard error. Once is enough; calling again does no harm.
#pragma once

void CatchFluidSynthMessages();
