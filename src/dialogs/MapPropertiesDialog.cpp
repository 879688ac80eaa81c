#include "dialogs/MapPropertiesDialog.h"

#include "dialogs/DialogIconPane.h"
#include "dialogs/LinkFieldBoxes.h"
#include "dialogs/PreviewFrame.h"
#include "shell/MapPropertiesForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace areamaker {

namespace {

// The preview frame, beside the name and path boxes, in pixels.
constexpr QRect FrameGeometry(200, 8, 176, 146);

} // namespace

MapPropertiesDialog::MapPropertiesDialog(MapPropertiesForm &form, QWidget *parent)
    : QDialog(parent), mForm(form), mBoxes(new LinkFieldBoxes(form, this))
{
    setObjectName(QStringLiteral("frmMapGen"));
    setWindowTitle(QString::fromStdString(form.caption()));
    mTabs = new QTabWidget;
    mTabs->setObjectName(QStringLiteral("tstMain"));
    mTabs->addTab(imagePage(), QStringLiteral("Image"));
    mTabs->addTab(defaultPage(), QStringLiteral("Région par défaut"));
    mTabs->addTab(mBoxes->scriptPage("picJavascript"), QStringLiteral("Javascript"));
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(ok, &QPushButton::clicked, this, &MapPropertiesDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTabs);
    layout->addWidget(buttons);
    form.attachPreview(*mFrame, mFrame->frameSize());
    showAnalysis();
}

QWidget *MapPropertiesDialog::imagePage()
{
    mImagePage = new DialogIconPane(mResources);
    mImagePage->setObjectName(QStringLiteral("picImage"));
    mImagePage->setMinimumSize(FrameGeometry.right() + 8, FrameGeometry.bottom() + 8);
    mImagePage->addIcon(105, {24, 112});
    mImagePage->setRaisedFrame({16, 104}, {176, 154});
    auto *fields = new QWidget(mImagePage);
    fields->setGeometry(8, 0, 176, 100);
    auto *layout = new QVBoxLayout(fields);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    mBoxes->addLine(layout, FieldName, "&Nom de l'image map :", "txtNom");
    QPushButton *path = nullptr;
    auto *pathBox =
        mBoxes->addLine(layout, FieldImagePath, "&Chemin d'accès à l'image :", "txtPath", &path);
    path->setObjectName(QStringLiteral("cmdPath"));
    connect(path, &QPushButton::clicked, this, &MapPropertiesDialog::chooseImage);
    connect(pathBox, &QLineEdit::textEdited, this, &MapPropertiesDialog::showAnalysis);
    mPixelInfo = new QLabel(mImagePage);
    mPixelInfo->setObjectName(QStringLiteral("lblInfo0"));
    mPixelInfo->setGeometry(48, 108, 124, 20);
    mSizeInfo = new QLabel(mImagePage);
    mSizeInfo->setObjectName(QStringLiteral("lblInfo1"));
    mSizeInfo->setGeometry(48, 128, 124, 20);
    mFrame = new PreviewFrame(FrameGeometry, mImagePage);
    return mImagePage;
}

QWidget *MapPropertiesDialog::defaultPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("picDefault"));
    auto *layout = new QVBoxLayout(page);
    QPushButton *link = nullptr;
    mBoxes->addLine(layout, AttrHref, "&URL par défaut :  (optionnel)", "txtDefault", &link);
    link->setObjectName(QStringLiteral("cmdDefaut"));
    connect(link, &QPushButton::clicked, this, &MapPropertiesDialog::chooseDefaultLink);
    mBoxes->addLine(layout, AttrTarget, "No&m du cadre :", "txtTarget");
    mBoxes->addLine(layout, AttrAlt, "De&scription alternative en texte :", "txtAlt");
    mBoxes->addLine(layout, AttrTitle, "&Titre de la région :", "txtTitle");
    layout->addStretch(1);
    return page;
}

void MapPropertiesDialog::showAnalysis()
{
    const bool shown = mForm.imageShown();
    mPixelInfo->setText(QString::fromStdString(mForm.pixelText()));
    mSizeInfo->setText(QString::fromStdString(mForm.sizeText()));
    mPixelInfo->setVisible(shown);
    mSizeInfo->setVisible(shown);
    mImagePage->setDecorated(shown);
}

void MapPropertiesDialog::chooseImage()
{
    if (const std::optional<FieldUpdate> chosen = mForm.chooseImage()) {
        mBoxes->apply({*chosen});
        showAnalysis();
    }
}

void MapPropertiesDialog::chooseDefaultLink()
{
    if (const std::optional<FieldUpdate> chosen = mForm.chooseHyperlink()) {
        mBoxes->apply({*chosen});
        mBoxes->box(AttrHref)->setFocus();
    }
}

void MapPropertiesDialog::confirm()
{
    const MapPropertiesForm::Outcome outcome = mForm.OK();
    if (outcome.accepted) {
        accept();
        return;
    }
    mTabs->setCurrentIndex(0);
    if (QWidget *box = mBoxes->box(outcome.focus))
        box->setFocus();
}

} // namespace areamaker
