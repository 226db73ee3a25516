// A static control that shows a picture, not a place to work: it is not in the tab order.
#pragma once

#include "platform/CStatic.h"

class CPictureStatic : public CStatic {
  protected:
    void PreSubclassWindow() override {
        CStatic::PreSubclassWindow();
        ModifyStyle(WS_TABSTOP, 0);
    }
};
