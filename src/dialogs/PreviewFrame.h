#pragma once

#include "platform/ImagePreviewPort.h"

#include <QLabel>
#include <QPixmap>

namespace areamaker {

// A sunken frame showing a picture scaled to fit inside it, or the caption "Aperçu" while
// it shows none.
class PreviewFrame : public QLabel, public ImagePreviewPort
{
    Q_OBJECT

public:
    PreviewFrame(const QRect &geometry, QWidget *parent);

    ImageSize frameSize() const { return {width(), height()}; }

    std::optional<ImageSize> loadPreview(const std::string &path) override;
    void showPreview(const PreviewBox &box) override;
    void clearPreview() override;

private:
    QLabel *mCaption;
    QLabel *mViewer;
    QPixmap mPicture;
};

} // namespace areamaker
