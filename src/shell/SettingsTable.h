#pragma once

#include "shell/AppSettings.h"

#include <string>

namespace areamaker {

class SettingsStore;

inline constexpr const char *SystemSection = "System";
inline constexpr const char *ExternalSection = "External";

// Reads and writes every "System" setting; each is declared once, with its name, its
// default and its encoding, in SettingsTable.cpp.
class SettingsTable
{
public:
    static AppSettings read(const SettingsStore &store);
    static void write(SettingsStore &store, const AppSettings &settings);

    // Missing values fall back to three quarters of the screen, centred (all in twips).
    static WindowPlacement readPlacement(const SettingsStore &store, float screenWidth,
                                         float screenHeight);
    // A maximized window keeps the last normal geometry stored.
    static void writePlacement(SettingsStore &store, const WindowPlacement &placement);

    static std::string encodeBoolean(bool value) { return value ? "1" : "0"; }
    // True only for exactly "1".
    static bool decodeBoolean(const std::string &text) { return text == "1"; }
    static std::string encodeSingle(float value);
};

} // namespace areamaker
