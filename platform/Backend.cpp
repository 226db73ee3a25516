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

#ifndef _WIN32
int GetSystemMetrics(int index) {
    return g_backend != nullptr ? g_backend->GetSystemMetrics(index) : 0;
}

SHORT GetKeyState(int virtualKey) {
    return g_backend != nullptr ? g_backend->GetKeyState(virtualKey) : 0;
}
#endif
