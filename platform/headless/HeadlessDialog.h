// A dialog without a screen, built from its dialog template: a window of the template's
// size and one window per control, found by id. There is no font to measure, so dialog
// units are mapped with the base units of the templates' 9-point font at 96 dpi.
#pragma once

#include <deque>

#include "platform/DialogUnits.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/res/DialogTemplate.h"

class HeadlessDialog {
  public:
    static constexpr DialogBaseUnits kBaseUnits{6, 12};

    // An empty template gives an empty window with no controls.
    HeadlessDialog(CallLog& log, const DialogTemplate& dialogTemplate);
    HeadlessDialog(const HeadlessDialog&) = delete;
    HeadlessDialog& operator=(const HeadlessDialog&) = delete;

    HeadlessWindow& Window() { return m_window; }

  private:
    HeadlessWindow m_window;
    std::deque<HeadlessWindow> m_controls;  // a deque keeps their addresses
};
