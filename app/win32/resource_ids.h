#pragma once

// Resource ids shared by tolbrek.rc and the code; plain defines, which the
// resource compiler reads too.
#define TOLBREK_ICON 1
