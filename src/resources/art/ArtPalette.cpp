#include "ArtPalette.h"

namespace ArtPalette {

QList<QRgb> sixteenColours()
{
    QList<QRgb> colours;
    for (const QColor &colour : {kBlack, kMaroon, kGreen, kOlive, kNavy, kPurple, kTeal, kFace,
                                 kShadow, kRed, kLime, kYellow, kBlue, kFuchsia, kAqua, kWhite})
        colours.append(colour.rgb());
    return colours;
}

QImage toSixteenColours(const QImage &image)
{
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace ArtPalette
