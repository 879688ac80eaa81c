#pragma once

#include <QJsonArray>

#include <string>
#include <vector>

// Reading the JSON that `areamkr --list` prints.

// The "maps" array; empty, with `valid` false, when the text is not one JSON object.
QJsonArray listedMaps(const std::string &json, bool *valid = nullptr);
std::vector<std::string> mapNames(const QJsonArray &maps);
std::vector<int> zoneCounts(const QJsonArray &maps);
