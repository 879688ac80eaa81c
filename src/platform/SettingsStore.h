#pragma once

#include <optional>
#include <string>

namespace areamaker {

// The program's persistent settings: string values by section and name.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Nothing when the value was never written.
    virtual std::optional<std::string> read(const std::string &section,
                                            const std::string &name) const = 0;
    virtual void write(const std::string &section, const std::string &name,
                       const std::string &value) = 0;
    // Deletes every value of the program, in every section.
    virtual void removeAll() = 0;
};

} // namespace areamaker
