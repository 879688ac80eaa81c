#include "dialogs/WizardDialog.h"

#include "dialogs/DialogIconPane.h"
#include "dialogs/PreviewFrame.h"
#include "dialogs/SelectAllOnFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace areamaker {

namespace {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

// Leaves a box the user is typing in as it is, caret included, when its text is current.
void showText(QLineEdit *box, const std::string &text)
{
    if (box->text() != qt(text))
        box->setText(qt(text));
}

// The finished panel's picture and, beside it, the outcome.
constexpr int PictureBitmap = 115;
constexpr QPoint PicturePlace(80, 32);
constexpr QRect OutcomeGeometry(290, 32, 230, 234);
// The picture's preview, beside the box of its path.
constexpr QRect PreviewGeometry(300, 16, 176, 146);

} // namespace

WizardDialog::WizardDialog(WizardForm &form, QWidget *parent)
    : QDialog(parent), mForm(form), mSelectAll(new SelectAllOnFocus(this))
{
    setObjectName(QStringLiteral("frmWizard"));
    setWindowTitle(QStringLiteral("Assistant Nouvelle image map"));
    mSteps = new QStackedWidget;
    addPagePanel();
    addImagePanel();
    addMapPanel();
    mSteps->addWidget(finishedPanel());
    mAuto = new QCheckBox(QStringLiteral("Afficher l'assistant au dé&marrage"));
    mAuto->setObjectName(QStringLiteral("chkAuto"));
    connect(mAuto, &QCheckBox::toggled, this, [this](bool on) { mForm.setAuto(on); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mSteps);
    layout->addWidget(mAuto);
    layout->addWidget(buttonRow());
    // Only a button inside the dialog can become its default one.
    mNext->setDefault(true);
    form.attachPreview(*mPreview, mPreview->frameSize());
    follow({false, form.step() == 0 ? WizardForm::Focus::Page : WizardForm::Focus::Image});
}

QLabel *WizardDialog::captionLabel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QPushButton *WizardDialog::browseButton(const char *name)
{
    auto *button = new QPushButton(QStringLiteral("..."));
    button->setObjectName(QString::fromUtf8(name));
    button->setFixedWidth(32);
    // Return after a chosen file goes on to the next step instead of choosing again.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this] {
        mForm.Browse();
        GUIWiz();
    });
    return button;
}

QLineEdit *WizardDialog::lineBox(const char *name)
{
    auto *line = new QLineEdit;
    line->setObjectName(QString::fromUtf8(name));
    line->installEventFilter(mSelectAll);
    return line;
}

QVBoxLayout *WizardDialog::addCaptionedPanel(int step)
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("picStep%1").arg(step));
    auto *layout = new QVBoxLayout(panel);
    QLabel *&caption = mCaptions.at(static_cast<std::size_t>(step));
    caption = captionLabel(QStringLiteral("lblStep%1").arg(step));
    layout->addWidget(caption);
    mSteps->addWidget(panel);
    return layout;
}

void WizardDialog::addPagePanel()
{
    QVBoxLayout *layout = addCaptionedPanel(0);
    mCreate = new QRadioButton(QStringLiteral("Créer une &nouvelle page web"));
    mCreate->setObjectName(QStringLiteral("OptDepCreer"));
    mOpen = new QRadioButton(QStringLiteral("Ouvrir une page web &existante"));
    mOpen->setObjectName(QStringLiteral("optDepOuvrir"));
    for (QRadioButton *option : {mCreate, mOpen}) {
        layout->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this] {
            mForm.chooseCreate(mCreate->isChecked());
            GUIWiz();
        });
    }
    mPageFrame = new QGroupBox;
    mPageFrame->setObjectName(QStringLiteral("fraPage"));
    auto *row = new QHBoxLayout(mPageFrame);
    row->addWidget(mPage = lineBox("txtPage"));
    row->addWidget(browseButton("cmdBrowse0"));
    connect(mPage, &QLineEdit::textEdited, this,
            [this](const QString &text) { mForm.setPageText(text.toStdString()); });
    layout->addWidget(mPageFrame);
    layout->addStretch(1);
}

void WizardDialog::addImagePanel()
{
    QVBoxLayout *layout = addCaptionedPanel(1);
    mList = new QTreeWidget;
    mList->setObjectName(QStringLiteral("lsvImage"));
    mList->setRootIsDecorated(false);
    mList->setHeaderLabels({QStringLiteral("Choisir un item...")});
    connect(mList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        mForm.itemClicked(mList->indexOfTopLevelItem(item));
        GUIWiz();
    });
    connect(mList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        follow(mForm.itemDoubleClicked(mList->indexOfTopLevelItem(item)));
    });
    layout->addWidget(mList, 1);
    mImageFrame = new QGroupBox;
    mImageFrame->setObjectName(QStringLiteral("fraImage"));
    mImageFrame->setMinimumHeight(PreviewGeometry.bottom() + 8);
    auto *path = new QWidget(mImageFrame);
    path->setGeometry(8, 16, PreviewGeometry.left() - 16, 64);
    auto *pathLayout = new QVBoxLayout(path);
    pathLayout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("C&hemin de l'image :"));
    pathLayout->addWidget(label);
    auto *row = new QHBoxLayout;
    row->addWidget(mImage = lineBox("txtImage"));
    row->addWidget(mImageBrowse = browseButton("cmdBrowse1"));
    pathLayout->addLayout(row);
    label->setBuddy(mImage);
    connect(mImage, &QLineEdit::textEdited, this, [this](const QString &text) {
        mForm.setImageText(text.toStdString());
        GUIWiz();
    });
    mPreview = new PreviewFrame(PreviewGeometry, mImageFrame);
    layout->addWidget(mImageFrame);
}

void WizardDialog::addMapPanel()
{
    QVBoxLayout *layout = addCaptionedPanel(2);
    QLabel *note = captionLabel(QStringLiteral("lblStep2Note"));
    note->setText(QString::fromUtf8(WizardForm::mapStepNote()));
    layout->addWidget(note);
    auto *nameLabel = new QLabel(QStringLiteral("&Nom de l'image map :"));
    layout->addWidget(nameLabel);
    layout->addWidget(mName = lineBox("txtNomMap"));
    nameLabel->setBuddy(mName);
    connect(mName, &QLineEdit::textEdited, this,
            [this](const QString &text) { mForm.setMapName(text.toStdString()); });
    auto *urlLabel = new QLabel(QStringLiteral("&URL par défaut :  (optionnel)"));
    layout->addWidget(urlLabel);
    auto *row = new QHBoxLayout;
    row->addWidget(mUrl = lineBox("txtURLDefaut"));
    row->addWidget(browseButton("cmdBrowse2"));
    layout->addLayout(row);
    urlLabel->setBuddy(mUrl);
    connect(mUrl, &QLineEdit::textEdited, this,
            [this](const QString &text) { mForm.setDefaultUrl(text.toStdString()); });
    layout->addStretch(1);
}

QWidget *WizardDialog::finishedPanel()
{
    auto *panel = new DialogIconPane(mResources);
    panel->setObjectName(QStringLiteral("picStep3"));
    panel->addIcon(PictureBitmap, PicturePlace);
    panel->setMinimumSize(OutcomeGeometry.right() + 8, OutcomeGeometry.bottom() + 8);
    mCaptions[3] = captionLabel(QStringLiteral("lblStep3"));
    mCaptions[3]->setParent(panel);
    mCaptions[3]->setGeometry(OutcomeGeometry);
    mCaptions[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return panel;
}

QWidget *WizardDialog::buttonRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    mHelp = new QPushButton(QStringLiteral("&Aide"));
    mHelp->setObjectName(QStringLiteral("cmdAide"));
    connect(mHelp, &QPushButton::clicked, this, [this] { mForm.Aide(); });
    mBack = new QPushButton(QStringLiteral("< &Précédent"));
    mBack->setObjectName(QStringLiteral("cmdPrec"));
    connect(mBack, &QPushButton::clicked, this, [this] { follow(mForm.Back()); });
    mNext = new QPushButton;
    mNext->setObjectName(QStringLiteral("cmdSuiv"));
    connect(mNext, &QPushButton::clicked, this, [this] { follow(mForm.Next()); });
    mCancel = new QPushButton(QStringLiteral("&Annuler"));
    mCancel->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(mCancel, &QPushButton::clicked, this, &WizardDialog::reject);
    layout->addWidget(mHelp);
    layout->addStretch(1);
    layout->addWidget(mBack);
    layout->addWidget(mNext);
    layout->addWidget(mCancel);
    return row;
}

void WizardDialog::follow(const WizardForm::Outcome &outcome)
{
    if (outcome.close) {
        accept();
        return;
    }
    GUIWiz();
    QLineEdit *box = nullptr;
    switch (outcome.focus) {
    case WizardForm::Focus::Page:
        box = mPage;
        break;
    case WizardForm::Focus::Image:
        box = mImage->isEnabled() ? mImage : nullptr;
        break;
    case WizardForm::Focus::Name:
        box = mName;
        break;
    case WizardForm::Focus::None:
        break;
    }
    if (box)
        box->setFocus();
    else if (outcome.focus == WizardForm::Focus::Image)
        mList->setFocus();
}

void WizardDialog::fillImageList()
{
    const std::vector<WizardItem> &items = mForm.items();
    bool same = mList->topLevelItemCount() == static_cast<int>(items.size());
    for (int i = 0; same && i < mList->topLevelItemCount(); ++i)
        same = mList->topLevelItem(i)->text(0) == qt(items[static_cast<std::size_t>(i)].text);
    const QSignalBlocker blocker(mList);
    if (!same) {
        mList->clear();
        for (const WizardItem &item : items)
            mList->addTopLevelItem(new QTreeWidgetItem({qt(item.text)}));
    }
    mList->setCurrentItem(mList->topLevelItem(mForm.selectedItem()));
}

void WizardDialog::GUIWiz()
{
    const int step = mForm.step();
    mSteps->setCurrentIndex(step);
    for (int i = 0; i < static_cast<int>(mCaptions.size()); ++i)
        mCaptions[static_cast<std::size_t>(i)]->setText(qt(mForm.caption(i)));
    mCreate->setChecked(mForm.createChosen());
    mOpen->setChecked(!mForm.createChosen());
    mPageFrame->setTitle(qt(mForm.pageFrameCaption()));
    showText(mPage, mForm.pageText());
    fillImageList();
    showText(mImage, mForm.imageText());
    mImage->setEnabled(mForm.imageBoxEnabled());
    mImageBrowse->setEnabled(mForm.imageBoxEnabled());
    mImageFrame->setEnabled(mForm.imageFrameEnabled());
    showText(mName, mForm.mapName());
    showText(mUrl, mForm.defaultUrl());
    {
        const QSignalBlocker blocker(mAuto);
        mAuto->setChecked(mForm.autoChecked());
    }
    mAuto->setVisible(mForm.autoShown());
    mBack->setEnabled(mForm.backEnabled());
    mNext->setText(QString::fromUtf8(mForm.nextCaption()));
    mCancel->setEnabled(mForm.cancelEnabled());
    mHelp->setEnabled(mForm.helpAvailable());
}

void WizardDialog::reject()
{
    if (mForm.mayClose())
        QDialog::reject();
}

void WizardDialog::done(int result)
{
    QDialog::done(result);
    mForm.closed();
}

} // namespace areamaker
