#pragma once

#include <map>
#include <string>
#include <vector>

#include "load_list.h"
#include "load_summary.h"

// A load form and a list held in memory, for tests and benchmarks.
class MemoryForm final : public tolbrek::LoadForm {
public:
    std::string text(tolbrek::LoadField field) const override
    {
        const auto found = fields.find(field);
        return found == fields.end() ? std::string() : found->second;
    }
    std::map<tolbrek::LoadField, std::string> fields;
};

class MemoryList final : public tolbrek::LoadList {
public:
    void appendLine(const std::string& line) override { lines.push_back(line); }
    std::size_t lineCount() const override { return lines.size(); }
    std::string line(std::size_t index) const override { return lines.at(index); }
    std::vector<std::string> lines;
};

// The worked load, after Calculate: a .308 with a 150-grain bullet.
inline MemoryForm WorkedLoadForm()
{
    MemoryForm form;
    form.fields = {{tolbrek::LoadField::Caliber, ".308"},
                   {tolbrek::LoadField::Bullet, "150"},
                   {tolbrek::LoadField::Powder, "50"},
                   {tolbrek::LoadField::Velocity, "2800"},
                   {tolbrek::LoadField::Gun, "8"},
                   {tolbrek::LoadField::Recoil, "17.01   Ft. Lb."},
                   {tolbrek::LoadField::Energy, "2611.9  Ft. Lb."}};
    return form;
}

// The eight summary lines of the worked load.
inline MemoryList WorkedLoadList()
{
    MemoryList list;
    tolbrek::AppendLoadSummary(WorkedLoadForm(), list, ".");
    return list;
}
