#pragma once

#include <QString>

namespace tolbrek {

// The family the window's texts are set in: Arial where it is installed,
// else its metric twin, so that every caption keeps the width the window was
// laid out for. Asked once, it spares every font of the window a failed
// search for Arial and the fallback list that follows one.
QString DesignFontFamily();

}  // namespace tolbrek
