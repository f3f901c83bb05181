#pragma once

namespace tolbrek {

// Where Arial is not installed, its metric twin takes its place, so that
// every caption keeps the width the window was laid out for.
void InstallArialFallback();

}  // namespace tolbrek
