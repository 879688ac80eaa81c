#include "ListingJson.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

QJsonArray listedMaps(const std::string &json, bool *valid)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    const bool ok = error.error == QJsonParseError::NoError && document.isObject() &&
                    document.object().value("maps").isArray();
    if (valid)
        *valid = ok;
    return ok ? document.object().value("maps").toArray() : QJsonArray();
}

std::vector<std::string> mapNames(const QJsonArray &maps)
{
    std::vector<std::string> names;
    for (const auto &map : maps)
        names.push_back(map.toObject().value("name").toString().toStdString());
    return names;
}

std::vector<int> zoneCounts(const QJsonArray &maps)
{
    std::vector<int> counts;
    for (const auto &map : maps)
        counts.push_back(static_cast<int>(map.toObject().value("zones").toArray().size()));
    return counts;
}
