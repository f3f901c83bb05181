#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "load_list.h"

namespace tolbrek {

// A control's id is its place in the window design plus this. Enter and Esc
// in a window run through IsDialogMessageW send IDOK (1) and IDCANCEL (2),
// so no control may have either id: they press nothing.
inline constexpr int kFirstControlId = 100;

constexpr int ControlId(std::size_t designIndex)
{
    return kFirstControlId + static_cast<int>(designIndex);
}

// The design index of a control id, if it is one of the 28.
std::optional<std::size_t> DesignIndexOf(int controlId);

// The id of the control by its design name, or of the text box for a field.
int ControlId(std::string_view name);
int ControlId(LoadField field);

}  // namespace tolbrek
