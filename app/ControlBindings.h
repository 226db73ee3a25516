// A dialog part binds its member controls to the template's controls in one table of
// {control id, member} pairs, so that the part says only which control is which.
#pragma once

#include <initializer_list>

#include "platform/CDialog.h"

struct ControlBinding {
    int id;
    CWnd& control;
};

inline void BindControls(CDataExchange* pDX, std::initializer_list<ControlBinding> bindings) {
    for (const ControlBinding& binding : bindings) {
        DDX_Control(pDX, binding.id, binding.control);
    }
}
