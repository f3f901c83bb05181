#pragma once

#include <cstddef>
#include <string>

namespace tolbrek {

// The seven data fields of a load.
enum class LoadField { Caliber, Bullet, Powder, Velocity, Gun, Recoil, Energy };

// Where the summary reads field text from (UTF-8): the window.
class LoadForm {
public:
    virtual ~LoadForm() = default;
    // The field's whole text, empty when nothing is typed.
    virtual std::string text(LoadField field) const = 0;
};

// The list of summary lines (UTF-8): the window's list box. Lines are kept
// exactly as appended, in order; none is ever changed or removed.
class LoadList {
public:
    virtual ~LoadList() = default;
    virtual void appendLine(const std::string& line) = 0;
    virtual std::size_t lineCount() const = 0;
    // Line `index`, from 0 to lineCount() - 1.
    virtual std::string line(std::size_t index) const = 0;
};

}  // namespace tolbrek
