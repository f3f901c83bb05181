#include "system_services.h"

#include <utility>

#include "report_location.h"

namespace tolbrek {

CommandServices SystemServices(std::unique_ptr<EditorLauncher> editor)
{
    return {MakeStandardFileService(), std::move(editor), &ReportFilePath,
            FallbackReportFilePath()};
}

}  // namespace tolbrek
