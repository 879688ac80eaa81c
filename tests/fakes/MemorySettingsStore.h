#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace areamaker::testing {

// Settings held in memory, recording the order in which values are written.
class MemorySettingsStore : public SettingsStore
{
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;
    int removals = 0;

    std::optional<std::string> read(const std::string &section,
                                    const std::string &name) const override
    {
        const auto found = values.find({section, name});
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    void write(const std::string &section, const std::string &name,
               const std::string &value) override
    {
        values[{section, name}] = value;
        writes.push_back(name);
    }
    void removeAll() override
    {
        values.clear();
        ++removals;
    }
    std::string system(const std::string &name) const { return values.at({"System", name}); }
};

} // namespace areamaker::testing
