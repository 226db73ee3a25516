#include "platform/headless/HeadlessBackend.h"

// RunModalDialog builds its dialog from the template: HeadlessDialog.cpp.

int HeadlessBackend::MessageBox(const std::string& utf8Text, UINT type) {
    m_log.Add(
        {.kind = LoggedCall::Kind::MessageBox, .value = static_cast<int>(type), .text = utf8Text});
    return IDOK;
}

int HeadlessBackend::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}
