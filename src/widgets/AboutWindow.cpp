#include "widgets/AboutWindow.h"

#include "shell/ProductInfo.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace areamaker {

namespace {

constexpr int LogoBitmap = 113;
constexpr int BannerBitmap = 1002;

// A label showing one of the library's bitmaps, painted once.
QLabel *bitmapLabel(const ResLoader &resources, int id, QSize size, QWidget *parent)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    resources.LoadResBitmap(&painter, id, 0, 0);
    painter.end();
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent), mVersion(new QLabel(this)), mOk(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmPropos"));
    setWindowTitle(QStringLiteral("A propos de Areamaker"));
    setFixedSize(360, 230);
    QLabel *logo = bitmapLabel(mResources, LogoBitmap, QSize(32, 32), this);
    logo->setGeometry(260, 27, 32, 32);
    mVersion->setObjectName(QStringLiteral("lblVersion"));
    mVersion->setText(QString::fromStdString(ProductInfo::aboutVersion()));
    mVersion->setGeometry(40, 85, 300, 20);
    auto *contact = new QLabel(QString::fromUtf8(ProductInfo::Contact), this);
    contact->setObjectName(QStringLiteral("lblContact"));
    contact->setGeometry(40, 105, 300, 80);
    contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mOk->setObjectName(QStringLiteral("cmdOK"));
    mOk->setGeometry(260, 190, 80, 26);
    mOk->setDefault(true);
    connect(mOk, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    mResources.LoadResBitmap(&painter, BannerBitmap, 40, 13);
}

} // namespace areamaker
