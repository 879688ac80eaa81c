#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The sixteen colours of the 4-bit bitmaps, and the conversion of a drawing to them.
namespace ArtPalette {

inline const QColor kBlack{0, 0, 0};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kOlive{128, 128, 0};
inline const QColor kNavy{0, 0, 128};
inline const QColor kPurple{128, 0, 128};
inline const QColor kTeal{0, 128, 128};
// The two greys become the button face and the shadow when drawn with 3-D colours.
inline const QColor kFace{192, 192, 192};
inline const QColor kShadow{128, 128, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kLime{0, 255, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kFuchsia{255, 0, 255};
inline const QColor kAqua{0, 255, 255};
inline const QColor kWhite{255, 255, 255};

QList<QRgb> sixteenColours();
// The image as 16 indexed colours; pixels outside the palette take the nearest colour.
QImage toSixteenColours(const QImage &image);

} // namespace ArtPalette
