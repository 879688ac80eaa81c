#include "shell/SettingsTable.h"

#include "platform/SettingsStore.h"

#include <charconv>
#include <limits>
#include <optional>
#include <variant>

namespace areamaker {

namespace {

// A 16-bit integer setting: colour indices and border widths.
struct Short
{
    int AppSettings::*field;
};

struct Setting
{
    const char *name;
    std::variant<std::string AppSettings::*, bool AppSettings::*, int AppSettings::*, Short> field;
};

// Every "System" value except the recent documents and the window placement, in the order
// the exit sequence writes them. Defaults are those of a default-constructed AppSettings.
const Setting Settings[] = {
    {"DefPath", &AppSettings::DefPath},
    {"ExplorateurWidth", &AppSettings::ExplorateurWidth},
    {"ExplorateurHeight", &AppSettings::ExplorateurHeight},
    {"AutoProp", &AppSettings::AutoProp},
    {"ZoneExplorer", &AppSettings::ZoneExplorer},
    {"ZoneProperties", &AppSettings::ZoneProperties},
    {"AutoWiz", &AppSettings::AutoWiz},
    {"NewNoBorder", &AppSettings::NewNoBorder},
    {"ClrSelBorderId", Short{&AppSettings::ClrSelBorderId}},
    {"ClrDefBorderId", Short{&AppSettings::ClrDefBorderId}},
    {"ClrDefTrameId", Short{&AppSettings::ClrDefTrameId}},
    {"ClrDefHandleId", Short{&AppSettings::ClrDefHandleId}},
    {"ClrSelHandleId", Short{&AppSettings::ClrSelHandleId}},
    {"LinPtDef", Short{&AppSettings::LinPtDef}},
    {"LinPtSel", Short{&AppSettings::LinPtSel}},
    {"NavPath", &AppSettings::NavPath},
};

std::string slotName(int slot)
{
    return "Rac" + std::to_string(slot);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A value that is not wholly a number is treated as absent.
template <typename Number> std::optional<Number> parseNumber(const std::string &text)
{
    const std::string_view digits = trimmed(text);
    Number value{};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(const std::string &text, int lowest, int highest)
{
    const std::optional<long long> value = parseNumber<long long>(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return static_cast<int>(*value);
}

struct Reader
{
    const std::string &text;
    AppSettings &settings;

    void operator()(std::string AppSettings::*field) const { settings.*field = text; }
    void operator()(bool AppSettings::*field) const
    {
        settings.*field = SettingsTable::decodeBoolean(text);
    }
    void operator()(int AppSettings::*field) const
    {
        if (auto value = parseInteger(text, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()))
            settings.*field = *value;
    }
    void operator()(Short s) const
    {
        if (auto value = parseInteger(text, std::numeric_limits<std::int16_t>::min(),
                                      std::numeric_limits<std::int16_t>::max()))
            settings.*s.field = *value;
    }
};

struct Writer
{
    const AppSettings &settings;

    std::string operator()(std::string AppSettings::*field) const { return settings.*field; }
    std::string operator()(bool AppSettings::*field) const
    {
        return SettingsTable::encodeBoolean(settings.*field);
    }
    std::string operator()(int AppSettings::*field) const
    {
        return std::to_string(settings.*field);
    }
    std::string operator()(Short s) const { return std::to_string(settings.*s.field); }
};

float readSingle(const SettingsStore &store, const char *name, float fallback)
{
    const std::optional<std::string> text = store.read(SystemSection, name);
    if (!text)
        return fallback;
    return parseNumber<float>(*text).value_or(fallback);
}

} // namespace

AppSettings SettingsTable::read(const SettingsStore &store)
{
    AppSettings settings;
    for (int slot = 0; slot < 6; ++slot) {
        if (auto text = store.read(SystemSection, slotName(slot)))
            settings.RecentDocuments[static_cast<std::size_t>(slot)] = *text;
    }
    for (const Setting &setting : Settings) {
        if (auto text = store.read(SystemSection, setting.name))
            std::visit(Reader{*text, settings}, setting.field);
    }
    return settings;
}

void SettingsTable::write(SettingsStore &store, const AppSettings &settings)
{
    for (int slot = 0; slot < 6; ++slot)
        store.write(SystemSection, slotName(slot),
                    settings.RecentDocuments[static_cast<std::size_t>(slot)]);
    for (const Setting &setting : Settings)
        store.write(SystemSection, setting.name, std::visit(Writer{settings}, setting.field));
}

WindowPlacement SettingsTable::readPlacement(const SettingsStore &store, float screenWidth,
                                             float screenHeight)
{
    WindowPlacement placement;
    const std::optional<std::string> state = store.read(SystemSection, "WindowState");
    placement.maximized = !state || parseNumber<float>(*state) == 2.0f;
    placement.width = readSingle(store, "WinWidth", screenWidth * 3 / 4);
    placement.height = readSingle(store, "WinHeight", screenHeight * 3 / 4);
    placement.left = readSingle(store, "WinXPos", screenWidth / 2 - placement.width / 2);
    placement.top = readSingle(store, "WinYPos", screenHeight / 2 - placement.height / 2);
    return placement;
}

void SettingsTable::writePlacement(SettingsStore &store, const WindowPlacement &placement)
{
    if (placement.maximized) {
        store.write(SystemSection, "WindowState", "2");
        return;
    }
    store.write(SystemSection, "WindowState", "0");
    store.write(SystemSection, "WinXPos", encodeSingle(placement.left));
    store.write(SystemSection, "WinYPos", encodeSingle(placement.top));
    store.write(SystemSection, "WinWidth", encodeSingle(placement.width));
    store.write(SystemSection, "WinHeight", encodeSingle(placement.height));
}

std::string SettingsTable::encodeSingle(float value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

} // namespace areamaker
