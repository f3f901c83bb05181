#pragma once

#include <windows.h>

namespace tolbrek {

// A function of a module loaded at run time, as its own type; null where
// the module or the function is missing, so that the caller can do without.
template <typename Function>
Function FindProcedure(HMODULE module, const char* name)
{
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    // Through a plain function pointer: a direct cast between unrelated
    // function types is warned of.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace tolbrek
