#include "dialogs/PreviewFrame.h"

#include <QImageReader>

namespace areamaker {

PreviewFrame::PreviewFrame(const QRect &geometry, QWidget *parent)
    : QLabel(parent), mCaption(new QLabel(QStringLiteral("Aperçu"), this)),
      mViewer(new QLabel(this))
{
    setObjectName(QStringLiteral("picFond"));
    setGeometry(geometry);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    mCaption->setObjectName(QStringLiteral("lblAperc"));
    mCaption->setAlignment(Qt::AlignCenter);
    mCaption->setGeometry(0, 0, geometry.width(), geometry.height());
    mViewer->setObjectName(QStringLiteral("imgViewer"));
    mViewer->setScaledContents(true);
    mViewer->hide();
}

std::optional<ImageSize> PreviewFrame::loadPreview(const std::string &path)
{
    mViewer->hide();
    QImageReader reader(QString::fromStdString(path));
    const QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    mPicture = QPixmap::fromImage(picture);
    return ImageSize{picture.width(), picture.height()};
}

void PreviewFrame::showPreview(const PreviewBox &box)
{
    mViewer->setPixmap(mPicture);
    mViewer->setGeometry(box.left, box.top, box.width, box.height);
    mViewer->show();
    mCaption->hide();
}

void PreviewFrame::clearPreview()
{
    mViewer->hide();
    mViewer->clear();
    mPicture = QPixmap();
    mCaption->show();
}

} // namespace areamaker
