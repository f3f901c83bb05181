#include "report_location.h"

namespace tolbrek {

std::string ReportFilePath()
{
    return "C:\\Text.txt";
}

}  // namespace tolbrek
