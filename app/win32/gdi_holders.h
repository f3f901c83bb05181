#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tolbrek {

// Deletes a font, brush or other GDI object when its holder goes.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

}  // namespace tolbrek
