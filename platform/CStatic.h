// A static control: a label, an icon or a frame from a dialog template.
#pragma once

#include "platform/CWnd.h"

class CStatic : public CWnd {};
