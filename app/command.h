#pragma once

namespace tolbrek {

// The four commands, one for each button of the window.
enum class Command { Calculate, ClearAll, PopulateList, SaveData };

}  // namespace tolbrek
