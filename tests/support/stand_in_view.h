#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "window_view.h"

// Stands in for a window: fields, list and boxes held in memory, every
// operation written down in order, and any of them made to fail on purpose.
class StandInView final : public tolbrek::WindowView {
public:
    std::string text(tolbrek::LoadField field) const override
    {
        act("read", field, unreadable.contains(field));
        const auto found = fields.find(field);
        return found == fields.end() ? std::string() : found->second;
    }
    void setText(tolbrek::LoadField field, const std::string& text) override
    {
        act("write", field, unwritable.contains(field));
        fields[field] = text;
    }
    void appendLine(const std::string& line) override
    {
        if (lines.size() == failingAppendAt) throw std::runtime_error("the list is full");
        lines.push_back(line);
    }
    std::size_t lineCount() const override { return lines.size(); }
    std::string line(std::size_t index) const override { return lines.at(index); }
    void showMessage(const std::string& text) override
    {
        if (messagesFail) throw std::runtime_error("no box");
        messages.push_back(text);
    }
    void reportError(const tolbrek::Failure& failure) override
    {
        if (messagesFail) throw std::runtime_error("no box");
        errors.push_back(failure);
    }
    void showLateFailure(const tolbrek::Failure& failure) override
    {
        lateFailures.push_back(failure);
    }
    std::string decimalSeparator() const override { return separator; }

    std::map<tolbrek::LoadField, std::string> fields;
    std::vector<std::string> lines;
    std::vector<std::string> messages;
    std::vector<tolbrek::Failure> errors;
    std::vector<tolbrek::Failure> lateFailures;
    std::string separator = ".";

    // Field reads and writes, in order, as "read Velocity".
    mutable std::vector<std::string> log;
    std::set<tolbrek::LoadField> unreadable;
    std::set<tolbrek::LoadField> unwritable;
    std::size_t failingAppendAt = SIZE_MAX;
    bool messagesFail = false;

private:
    void act(const char* what, tolbrek::LoadField field, bool fails) const
    {
        static constexpr const char* kNames[] = {"Caliber", "Bullet", "Powder", "Velocity",
                                                 "Gun",     "Recoil", "Energy"};
        log.push_back(std::string(what) + " " + kNames[static_cast<int>(field)]);
        if (fails) throw std::runtime_error(std::string("cannot ") + what);
    }
};
