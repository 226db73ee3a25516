// What a test's user of a dialog holds, on whichever backend: the dialog it works in.
#pragma once

template <class Window>
class DialogUser {
  public:
    explicit DialogUser(Window& dialog) : m_dialog(dialog) {}

    Window& Dialog() { return m_dialog; }

  protected:
    Window& m_dialog;
};
