// A push button from a dialog template.
#pragma once

#include "platform/CWnd.h"

class CButton : public CWnd {};
