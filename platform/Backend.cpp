#include "platform/Backend.h"

namespace {
Backend* g_backend = nullptr;
}

Backend* CurrentBackend() {
    return g_backend;
}
void SetCurrentBackend(Backend* backend) {
    g_backend = backend;
}
