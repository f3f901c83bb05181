#pragma once

#include <optional>
#include <variant>

#include "number_failure.h"

namespace tolbrek {

// A number, or the failure that kept it from being computed.
class NumberOutcome {
public:
    NumberOutcome(double value) : m_state(value) {}                  // NOLINT: implicit by design
    NumberOutcome(Failure failure) : m_state(std::move(failure)) {}  // NOLINT

    bool ok() const { return std::holds_alternative<double>(m_state); }
    double value() const { return std::get<double>(m_state); }
    const Failure& failure() const { return std::get<Failure>(m_state); }

    // The result as the window holds it: the number, or unset.
    std::optional<double> result() const
    {
        return ok() ? std::optional<double>(value()) : std::nullopt;
    }

private:
    std::variant<double, Failure> m_state;
};

}  // namespace tolbrek
