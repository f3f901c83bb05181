#include "load_commands.h"

#include <optional>
#include <utility>

#include "command_guard.h"
#include "load_formulas.h"
#include "load_summary.h"
#include "quoted_text.h"
#include "result_display.h"
#include "save_report.h"
#include "window_view.h"

namespace tolbrek {

namespace {

Failure EditorEndedInFailure(int status, const std::string& path)
{
    Failure failure = MakeFailure(EditorFailure::Failed);
    failure.description += " (status " + std::to_string(status) + ") on " + path;
    return failure;
}

// The report stays in its narrow encoding, which lacks some characters of
// the list: the user learns where they went missing.
std::string IncompleteLineNotice(const std::string& path, const IncompleteLine& line)
{
    return "The report is saved in " + path +
           ", but some characters cannot be written in its encoding and stand there as \"?\". "
           "The first line concerned is line " +
           std::to_string(line.index + 1) + ":\n\n" + QuotedText(line.text);
}

}  // namespace

LoadCommands::LoadCommands(WindowView& view, CommandServices services)
    : m_view(view), m_services(std::move(services))
{
}

void LoadCommands::run(Command command)
{
    RunGuarded(m_view, [this, command] {
        switch (command) {
            case Command::Calculate:
                return calculate();
            case Command::ClearAll:
                return clearAll();
            case Command::PopulateList:
                return populateList();
            case Command::SaveData:
                return saveData();
        }
    });
}

// A field that cannot be read counts as empty: a failed test goes on with
// its statement's message, which is then shown.
void LoadCommands::warnIfEmpty(LoadField field, const char* message)
{
    bool empty = true;
    ResumeNext([&] { empty = m_view.text(field).empty(); });
    if (empty) ResumeNext([&] { m_view.showMessage(message); });
}

void LoadCommands::calculate()
{
    warnIfEmpty(LoadField::Bullet, "Please Enter Bullet Weight");
    warnIfEmpty(LoadField::Powder, "Please Enter Powder Weight");
    warnIfEmpty(LoadField::Velocity, "Please Enter Velocity");
    warnIfEmpty(LoadField::Gun, "Please Enter Gun Weight");

    std::optional<double> recoil;
    ResumeNext([&] {
        const std::string velocity = m_view.text(LoadField::Velocity);
        const std::string powder = m_view.text(LoadField::Powder);
        const std::string gun = m_view.text(LoadField::Gun);
        const std::string bullet = m_view.text(LoadField::Bullet);
        recoil =
            FreeRecoilEnergy({bullet, powder, velocity, gun}, m_view.decimalSeparator()).result();
    });
    ResumeNext([&] {
        m_view.setText(LoadField::Recoil, RecoilDisplay(recoil, m_view.decimalSeparator()));
    });

    std::optional<double> energy;
    ResumeNext([&] {
        const std::string velocity = m_view.text(LoadField::Velocity);
        const std::string bullet = m_view.text(LoadField::Bullet);
        energy = MuzzleEnergy(velocity, bullet, m_view.decimalSeparator()).result();
    });
    ResumeNext([&] {
        m_view.setText(LoadField::Energy, EnergyDisplay(energy, m_view.decimalSeparator()));
    });
}

// Field by field, in this order: a failure stops the command there, the
// fields before it stay empty and the others keep their text.
void LoadCommands::clearAll()
{
    for (const LoadField field :
         {LoadField::Bullet, LoadField::Powder, LoadField::Velocity, LoadField::Gun,
          LoadField::Recoil, LoadField::Energy, LoadField::Caliber}) {
        m_view.setText(field, std::string());
    }
}

void LoadCommands::populateList()
{
    AppendLoadSummary(m_view, m_view, m_view.decimalSeparator());
}

// The editor is started only once the report file is complete and in place,
// on the file where the report went. It is never waited for: how it ended is
// heard later, while the window goes on, and only a failure is reported.
// Characters that the report could not hold are told of once, after the
// editor has started: the box, which waits for the user, holds up neither.
void LoadCommands::saveData()
{
    const WrittenReport report = WriteReport(m_view, *m_services.files, m_services.reportPath(),
                                             m_services.fallbackReportPath, m_services.narrow);
    const std::string& path = report.path;
    m_services.editor->open(path, [this, path](int status) {
        if (status != 0)
            ResumeNext([&] { m_view.showLateFailure(EditorEndedInFailure(status, path)); });
    });
    if (report.firstIncompleteLine) {
        m_view.showMessage(IncompleteLineNotice(path, *report.firstIncompleteLine));
    }
}

}  // namespace tolbrek
