#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace tolbrek {

FontLibraryWarmUp::FontLibraryWarmUp() : m_thread([] { FcInit(); }) {}

FontLibraryWarmUp::~FontLibraryWarmUp()
{
    finish();
}

void FontLibraryWarmUp::finish()
{
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace tolbrek
