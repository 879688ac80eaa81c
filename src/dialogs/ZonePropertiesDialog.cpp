#include "dialogs/ZonePropertiesDialog.h"

#include "dialogs/DialogIconPane.h"
#include "dialogs/LinkFieldBoxes.h"
#include "document/Zone.h"
#include "shell/ZonePropertiesForm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace areamaker {

namespace {

// Where a shape's pane paints its two icons and lays out its values, in pixels.
struct GeometryLayout
{
    const char *name;
    int firstIcon;
    QPoint firstAt;
    int secondIcon;
    QPoint secondAt;
    std::vector<QPoint> values;
};

GeometryLayout paneFor(int shape)
{
    switch (shape) {
    case ShapeCircle:
        return {"picCerc", 108, {8, 16}, 110, {112, 16}, {{30, 8}, {30, 26}, {134, 17}}};
    case ShapePolygon:
        return {"picPoly", 107, {8, 19}, 111, {128, 19}, {{150, 19}, {30, 10}, {30, 28}}};
    default:
        return {"picRect", 107,       {8, 19},
                109,       {112, 19}, {{30, 10}, {30, 28}, {134, 10}, {134, 28}}};
    }
}

} // namespace

ZonePropertiesDialog::ZonePropertiesDialog(ZonePropertiesForm &form, QWidget *parent)
    : QDialog(parent), mForm(form), mBoxes(new LinkFieldBoxes(form, this))
{
    setObjectName(QStringLiteral("frmMapEdit"));
    setWindowTitle(QString::fromStdString(form.caption()));
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tstMain"));
    tabs->addTab(generalPage(), QStringLiteral("Général"));
    tabs->addTab(mBoxes->scriptPage("picJavascript"), QStringLiteral("Javascript"));
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(ok, &QPushButton::clicked, this, [this] {
        mForm.OK();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    // The link is what a new zone needs first: it can be typed as soon as the dialog shows.
    mBoxes->box(AttrHref)->setFocus();
}

QWidget *ZonePropertiesDialog::generalPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("picGeneral"));
    auto *layout = new QVBoxLayout(page);
    QPushButton *source = nullptr;
    mBoxes->addLine(layout, AttrHref, "Lien &hypertexte associé à cette région :", "txtSource",
                    &source);
    source->setObjectName(QStringLiteral("cmdSource"));
    connect(source, &QPushButton::clicked, this, &ZonePropertiesDialog::chooseHyperlink);
    mBoxes->addLine(layout, AttrTarget, "&Nom du cadre :", "txtTarget");
    mBoxes->addLine(layout, AttrAlt, "Des&cription alternative en texte :", "txtAlt");
    mBoxes->addLine(layout, AttrTitle, "Titre de la &région :", "txtTitle");
    if (mForm.hasZone())
        layout->addWidget(geometryPane());
    layout->addStretch(1);
    return page;
}

QWidget *ZonePropertiesDialog::geometryPane()
{
    const GeometryLayout pane = paneFor(mForm.shape());
    auto *widget = new DialogIconPane(mResources);
    widget->setObjectName(QString::fromUtf8(pane.name));
    widget->setFixedSize(240, 52);
    widget->addIcon(pane.firstIcon, pane.firstAt);
    widget->addIcon(pane.secondIcon, pane.secondAt);
    const std::vector<GeometryValue> values = mForm.geometry();
    for (std::size_t i = 0; i < values.size() && i < pane.values.size(); ++i) {
        auto *caption = new QLabel(QString::fromStdString(values[i].label), widget);
        caption->move(pane.values[i]);
        auto *value = new QLabel(widget);
        value->setObjectName(QStringLiteral("lblValue%1").arg(i));
        value->move(pane.values[i] + QPoint(caption->sizeHint().width() + 4, 0));
        value->setMinimumWidth(48);
        mValues.push_back(value);
    }
    if (mForm.shape() == ShapePolygon) {
        // The up arrow moves to the next point: the bar runs from -(n - 1) at the top to 0.
        mPointSelector = new QScrollBar(Qt::Vertical, widget);
        mPointSelector->setObjectName(QStringLiteral("vsbPoly"));
        mPointSelector->setGeometry(96, 6, 16, 40);
        mPointSelector->setRange(-(mForm.pointCount() - 1), 0);
        mPointSelector->setValue(0);
        connect(mPointSelector, &QScrollBar::valueChanged, this,
                [this](int value) { showPoint(-value); });
    }
    showPoint(0);
    return widget;
}

void ZonePropertiesDialog::showPoint(int point)
{
    const std::vector<GeometryValue> values = mForm.geometry(point);
    for (std::size_t i = 0; i < values.size() && i < mValues.size(); ++i) {
        mValues[i]->setText(QString::fromStdString(values[i].text));
        mValues[i]->setToolTip(QString::fromStdString(values[i].tooltip));
    }
}

void ZonePropertiesDialog::chooseHyperlink()
{
    if (const std::optional<FieldUpdate> chosen = mForm.chooseHyperlink()) {
        mBoxes->apply({*chosen});
        mBoxes->box(AttrHref)->setFocus();
    }
}

} // namespace areamaker
