#include "system_services.h"

#include "report_location.h"

namespace tolbrek {

CommandServices SystemServices(ChildWatch& children)
{
    return {MakeStandardFileService(), MakeSystemEditorLauncher(children), &ReportFilePath,
            FallbackReportFilePath()};
}

}  // namespace tolbrek
