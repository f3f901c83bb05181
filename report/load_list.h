#pragma once

#include <cstddef>
#include <string>

namespace tolbrek {

// The seven data fields of a load, as the summary reads them.
enum class LoadField { Caliber, Bullet, Powder, Velocity, Gun, Recoil, Energy };

// Where the summary reads field text from (UTF-8); the window in the program.
class LoadForm {
public:
    virtual ~LoadForm() = default;
    virtual std::string text(LoadField field) const = 0;
};

// The list of summary lines (UTF-8); a list box in the program.
class LoadList {
public:
    virtual ~LoadList() = default;
    virtual void append(const std::string& line) = 0;
    virtual std::size_t count() const = 0;
    virtual std::string line(std::size_t index) const = 0;
};

}  // namespace tolbrek
