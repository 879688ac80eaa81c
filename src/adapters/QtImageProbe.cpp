#include "adapters/QtImageProbe.h"

#include <QImageReader>
#include <QString>

namespace areamaker {

std::optional<ImageSize> QtImageProbe::probe(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    return ImageSize{size.width(), size.height()};
}

} // namespace areamaker
