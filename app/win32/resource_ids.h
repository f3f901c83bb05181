#pragma once

// Resource ids shared by tolbrek.rc and the code; plain defines, which the
// resource compiler reads too. The controls' ids are in the window design
// (kWindowDesign), from kFirstControlId up, above these.
#define TOLBREK_ICON 1
