#pragma once

#include <string_view>

#include "load_list.h"

namespace tolbrek {

// Appends the eight-line summary of the load the form holds now: the
// caliber as typed, an empty line, then each number field read leniently and
// written plainly, followed by its label. Each line is in the list before
// the next field is read, so a failure (a number beyond the double range,
// thrown as FailureError) leaves the lines before it in place.
void AppendLoadSummary(const LoadForm& form, LoadList& list, std::string_view separator);

}  // namespace tolbrek
