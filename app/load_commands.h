#pragma once

#include <functional>
#include <memory>
#include <string>

#include "command.h"
#include "editor_launcher.h"
#include "file_service.h"
#include "load_list.h"
#include "narrow_text.h"

namespace tolbrek {

class WindowView;

// What Save Data uses of the system; tests stand in for each.
struct CommandServices {
    std::unique_ptr<FileService> files;
    std::unique_ptr<EditorLauncher> editor;
    // Where the report goes, asked afresh at every save.
    std::function<std::string()> reportPath;
    // Where it goes when that folder refuses new files; none if empty.
    std::function<std::string()> fallbackReportPath = {};
    // The report's encoding.
    Narrowing narrow = &NarrowText;
};

// The four commands of Tolbrek, written once for every window. Each reads
// and writes the controls only through the view, when it runs: the controls
// are the program's only state, and nothing here outlives a command.
class LoadCommands {
public:
    LoadCommands(WindowView& view, CommandServices services);

    // Runs a command as a button press does: an error that escapes it is
    // reported, and the program carries on.
    void run(Command command);

    // Warns about each empty number field, then computes and shows both
    // results. Every statement runs on its own: one that fails is skipped
    // silently and the next one runs, so both result fields are always
    // rewritten and nothing escapes.
    void calculate();
    // Empties the seven data fields for the next load; the list is kept.
    void clearAll();
    // Appends the summary of the load the fields hold now to the list.
    void populateList();
    // Writes the list to the report file, then starts the editor on it.
    void saveData();

private:
    void warnIfEmpty(LoadField field, const char* message);

    WindowView& m_view;
    CommandServices m_services;
};

}  // namespace tolbrek
