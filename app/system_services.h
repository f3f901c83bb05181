#pragma once

#include "editor_launcher.h"
#include "load_commands.h"

namespace tolbrek {

// The system's own file service, text editor and report location: what the
// program runs with. `children` is the window's watch over the programs
// that Tolbrek starts.
CommandServices SystemServices(ChildWatch& children);

}  // namespace tolbrek
