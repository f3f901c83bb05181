#include "control_ids.h"

#include <stdexcept>

#include "window_design.h"

namespace tolbrek {

std::optional<std::size_t> DesignIndexOf(int controlId)
{
    const int index = controlId - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(kWindowDesign.size())) return std::nullopt;
    return static_cast<std::size_t>(index);
}

int ControlId(std::string_view name)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (kWindowDesign[index].name == name) return ControlId(index);
    }
    throw std::invalid_argument("no control named " + std::string(name));
}

int ControlId(LoadField field)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (kWindowDesign[index].field == field) return ControlId(index);
    }
    throw std::invalid_argument("no text box for the field");
}

}  // namespace tolbrek
