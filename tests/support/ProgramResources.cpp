// Hands the program's resources to the platform before main, as the program's entry does
// before its first window; Chinese, the program's own language. Linked in as an object,
// so that nothing needs to refer to it.
#include "app/Language.h"
#include "platform/Resources.h"
#include "res/EmbeddedResources.h"

namespace {

bool HandInResources() {
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kChineseResources, kChineseResources);
    return true;
}

[[maybe_unused]] const bool g_handedIn = HandInResources();

}  // namespace
