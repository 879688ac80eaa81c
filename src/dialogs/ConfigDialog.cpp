#include "dialogs/ConfigDialog.h"

#include "document/ZoneColours.h"
#include "shell/BrowserDiscovery.h"
#include "shell/ConfigOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace areamaker {

namespace {

QColor colourOf(int index)
{
    const Rgb value = ColorIndexToRgb(index);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QIcon swatch(int index)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(colourOf(index));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

template <std::size_t N> void fill(QComboBox *list, const std::array<const char *, N> &texts)
{
    for (const char *text : texts)
        list->addItem(QString::fromUtf8(text));
}

QPushButton *labelledButton(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    // Return means OK wherever the focus went before, never "Effacer les registres...".
    button->setAutoDefault(false);
    return button;
}

} // namespace

ConfigDialog::ConfigDialog(ConfigOptions &options, const QIcon &otherBrowser, QWidget *parent)
    : QDialog(parent), mOptions(options), mOtherBrowser(otherBrowser), mTabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Configuration des paramètres"));
    mTabs->setObjectName(QStringLiteral("tstConfig"));
    mTabs->addTab(buildGeneralPage(), QStringLiteral("Général"));
    mTabs->addTab(buildColoursPage(), QStringLiteral("Couleurs"));
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = labelledButton("&OK", "cmdOK", this);
    mApply = labelledButton("&Appliquer", "cmdApply", this);
    QPushButton *cancel = labelledButton("A&nnuler", "cmdCancel", this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(mApply, QDialogButtonBox::ApplyRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        mOptions.AppliquerOptions();
        accept();
    });
    connect(mApply, &QPushButton::clicked, this, [this] { mOptions.apply(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTabs);
    layout->addWidget(buttons);
    mNavPath->setText(QString::fromStdString(mOptions.navPath()));
    showNavigator(mNavPath->text());
    mElement->setCurrentIndex(0);
    showElement(0);
}

void ConfigDialog::done(int result)
{
    mOptions.close();
    QDialog::done(result);
}

QWidget *ConfigDialog::buildGeneralPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("picGeneral"));
    auto *general = new QGroupBox(QStringLiteral("Options générales"), page);
    auto *boxes = new QVBoxLayout(general);
    ConfigOptions::Checks &checks = mOptions.checks;
    boxes->addWidget(checkBox("Afficher la g&rille des propriétés", checks.ZoneProperties));
    boxes->addWidget(checkBox("Masquer la &bordure des images map", checks.NewNoBorder));
    boxes->addWidget(
        checkBox("Afficher les propriétés de la &zone après le traçage", checks.AutoProp));
    boxes->addWidget(checkBox("Afficher l'e&xplorateur de zones", checks.ZoneExplorer));
    boxes->addWidget(checkBox("Afficher l'assistant au dé&marrage", checks.AutoWiz));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(general);
    layout->addWidget(buildBrowserFrame());
    layout->addStretch();
    return page;
}

QCheckBox *ConfigDialog::checkBox(const char *caption, bool &setting)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption));
    box->setChecked(setting);
    connect(box, &QCheckBox::toggled, this, [&setting](bool on) { setting = on; });
    return box;
}

QWidget *ConfigDialog::buildBrowserFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Navigateur externe"));
    mNavPath = new QLineEdit(frame);
    mNavPath->setObjectName(QStringLiteral("txtNavPath"));
    auto *label = new QLabel(QStringLiteral("&Chemin d'accès au programme :"), frame);
    label->setBuddy(mNavPath);
    QPushButton *byDefault = labelledButton("Par &défaut", "cmdNavDefault", frame);
    QPushButton *browse = labelledButton("...", "cmdNavBrowse", frame);
    browse->setFixedWidth(32);
    mNavDesc = new QLabel(frame);
    mNavDesc->setObjectName(QStringLiteral("lblNavDesc"));
    mNavPicture = new QLabel(frame);
    mNavPicture->setObjectName(QStringLiteral("picNavigator"));
    mNavPicture->setFixedSize(44, 40);
    connect(mNavPath, &QLineEdit::textChanged, this, &ConfigDialog::showNavigator);
    const auto take = [this](const std::optional<std::string> &path) {
        if (path)
            mNavPath->setText(QString::fromStdString(*path));
        mNavPath->setFocus();
    };
    connect(byDefault, &QPushButton::clicked, this,
            [this, take] { take(mOptions.defaultBrowser()); });
    connect(browse, &QPushButton::clicked, this, [this, take] { take(mOptions.chooseBrowser()); });
    auto *path = new QHBoxLayout;
    path->addWidget(mNavPath, 1);
    path->addWidget(browse);
    auto *described = new QHBoxLayout;
    described->addWidget(mNavPicture);
    described->addWidget(mNavDesc, 1);
    described->addWidget(byDefault);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    layout->addLayout(path);
    layout->addLayout(described);
    return frame;
}

void ConfigDialog::showNavigator(const QString &path)
{
    const ConfigOptions::NavigatorView view = mOptions.navPathChanged(path.toStdString());
    mNavDesc->setText(QString::fromStdString(view.description));
    QPixmap picture(mNavPicture->size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    if (view.bitmap != 0)
        mResources.LoadRes3DBitmap(&painter, view.bitmap, 8, 4);
    else if (view.kind == OtherBrowser)
        painter.drawPixmap(8, 4, mOtherBrowser.pixmap(32, 32));
    painter.end();
    mNavPicture->setPixmap(picture);
}

QWidget *ConfigDialog::buildColoursPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("picCouleurs"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(buildColourFrame());
    layout->addWidget(buildRegistersFrame());
    layout->addStretch();
    return page;
}

QWidget *ConfigDialog::buildColourFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Réglage des couleurs"));
    mElement = new QComboBox(frame);
    mElement->setObjectName(QStringLiteral("cboElement"));
    fill(mElement, ConfigOptions::Elements);
    mColour = new QComboBox(frame);
    mColour->setObjectName(QStringLiteral("cboColor"));
    for (std::size_t i = 0; i < ConfigOptions::ColourNames.size(); ++i)
        mColour->addItem(swatch(static_cast<int>(i)),
                         QString::fromUtf8(ConfigOptions::ColourNames[i]));
    mWidth = new QComboBox(frame);
    mWidth->setObjectName(QStringLiteral("cboEpaisseur"));
    fill(mWidth, ConfigOptions::Widths);
    auto *form = new QFormLayout(frame);
    form->addRow(QStringLiteral("Élém&ent :"), mElement);
    form->addRow(QStringLiteral("Co&uleur :"), mColour);
    form->addRow(QStringLiteral("Épai&sseur :"), mWidth);
    mWidthLabel = qobject_cast<QLabel *>(form->labelForField(mWidth));
    connect(mElement, &QComboBox::activated, this, &ConfigDialog::showElement);
    connect(mColour, &QComboBox::activated, this,
            [this](int index) { mOptions.selectColour(index); });
    connect(mWidth, &QComboBox::activated, this,
            [this](int index) { mOptions.selectWidth(index); });
    return frame;
}

void ConfigDialog::showElement(int element)
{
    const ConfigOptions::ElementView view = mOptions.selectElement(element);
    mColour->setCurrentIndex(view.colour);
    mWidth->setCurrentIndex(view.width);
    mWidth->setVisible(view.widthShown);
    mWidthLabel->setVisible(view.widthShown);
}

QWidget *ConfigDialog::buildRegistersFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Registres"));
    QPushButton *erase = labelledButton("Effacer les &registres...", "cmdRegistres", frame);
    QPushButton *history = labelledButton("Effacer l'&historique...", "cmdHistorique", frame);
    connect(erase, &QPushButton::clicked, this, [this] { mOptions.eraseSettings(); });
    connect(history, &QPushButton::clicked, this, [this] { mOptions.clearHistory(); });
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(erase);
    layout->addWidget(history);
    layout->addStretch();
    return frame;
}

} // namespace areamaker
