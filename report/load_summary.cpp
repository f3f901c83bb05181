#include "load_summary.h"

#include <array>
#include <string>

#include "failure.h"
#include "number_conversion.h"

namespace tolbrek {

namespace {

constexpr std::string_view kCaliberLabel = "Cartridge  ";

struct NumberLine {
    LoadField field;
    std::string_view label;
};

constexpr std::array<NumberLine, 6> kNumberLines = {{
    {LoadField::Bullet, "  Bullet Weight Grains"},
    {LoadField::Powder, "  Powder Charge Grains"},
    {LoadField::Velocity, "  Velocity FPS"},
    {LoadField::Gun, "  Gun Weight Pounds"},
    {LoadField::Recoil, "  Recoil Foot Pounds Free Energy"},
    {LoadField::Energy, "  Muzzle Energy Foot Pounds"},
}};

}  // namespace

void AppendLoadSummary(const LoadForm& form, LoadList& list, std::string_view separator)
{
    list.appendLine(std::string(kCaliberLabel) + form.text(LoadField::Caliber));
    list.appendLine(std::string());
    for (const NumberLine& line : kNumberLines) {
        const NumberOutcome number = LenientNumber(form.text(line.field), separator);
        if (!number.ok()) throw FailureError(number.failure());
        list.appendLine(NumberText(number.value(), separator) + std::string(line.label));
    }
}

}  // namespace tolbrek
