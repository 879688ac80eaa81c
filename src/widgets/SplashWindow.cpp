#include "widgets/SplashWindow.h"

#include "shell/ProductInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

namespace areamaker {

namespace {

constexpr int Width = 344;
constexpr int Height = 197;

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), mVersion(new QLabel(this))
{
    setWindowModality(Qt::ApplicationModal);
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(Width, Height);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(0x1f, 0x2d, 0x5c));
    setPalette(colours);
    auto *caption = new QLabel(QStringLiteral("Chargement de l'éditeur..."), this);
    caption->setGeometry(184, 120, 156, 20);
    caption->setAlignment(Qt::AlignCenter);
    mVersion->setObjectName(QStringLiteral("lblVersion"));
    mVersion->setText(QString::fromStdString(ProductInfo::splashVersion()));
    mVersion->setGeometry(184, 150, 156, 20);
    mVersion->setAlignment(Qt::AlignCenter);
    mAuto.setObjectName(QStringLiteral("tmrAuto"));
    mAuto.setSingleShot(true);
    mAuto.setInterval(Duration);
    // A coarse timer may fire a twentieth early; the splash shows its whole time.
    mAuto.setTimerType(Qt::PreciseTimer);
    connect(&mAuto, &QTimer::timeout, this, &SplashWindow::finish);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow()
{
    qApp->removeEventFilter(this);
}

void SplashWindow::run()
{
    mAuto.start();
    show();
    // Showing may already have let it close, before its loop starts.
    if (!mFinished)
        mLoop.exec();
}

void SplashWindow::finish()
{
    mFinished = true;
    mAuto.stop();
    hide();
    mLoop.quit();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    mResources.LoadResBitmap(&painter, 1000, 4, 4);
    mResources.LoadResBitmap(&painter, 1001, 184, 4);
}

void SplashWindow::mousePressEvent(QMouseEvent *)
{
    finish();
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Tooltips and menus are not windows the user must answer.
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && widget && widget != this && widget->isWindow() &&
        widget->windowType() != Qt::ToolTip && widget->windowType() != Qt::Popup && !mFinished)
        finish();
    return QWidget::eventFilter(watched, event);
}

} // namespace areamaker
