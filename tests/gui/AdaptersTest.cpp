#include "adapters/FrenchTranslations.h"
#include "adapters/QtDrawingSurface.h"
#include "adapters/QtFileDialog.h"
#include "adapters/QtMessageBox.h"
#include "widgets/ISubclass.h"
#include "widgets/SubclassService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace areamaker {
namespace {

TEST(AdaptersTest, FileDialogFiltersTakeQtsForm)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Page web  (*.html; *.htm)|*.html;*.htm|Tous  (*.*)|*.*|",
         "Page web (*.html *.htm);;Tous (*.*)"},
        {"Images  (*.gif; *.jpg)|*.gif;*.jpg|", "Images (*.gif *.jpg)"},
        {"Pages|*.htm|", "Pages (*.htm)"},
    };
    for (const auto &[filter, expected] : cases)
        EXPECT_EQ(QtFileDialog::qtFilter(filter).toStdString(), expected);
}

TEST(AdaptersTest, RectanglesCoverTheirFirstToLastPixel)
{
    QtDrawingSurface surface;
    surface.image() = QImage(20, 20, QImage::Format_RGB32);
    surface.image().fill(Qt::white);
    surface.setPen({LineStyle::Solid, 1, 0x0000FF});
    surface.setBrush({FillStyle::None, 0});
    surface.drawRectangle({2, 3}, {10, 12});
    const QImage &image = surface.image();
    EXPECT_EQ(image.pixelColor(2, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(9, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 11), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 12), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 6), QColor(Qt::white)) << "no brush, no fill";
}

// Records its own handling of left presses next to the handlers' calls.
class Host : public QWidget
{
public:
    std::vector<std::string> *log = nullptr;

protected:
    void mousePressEvent(QMouseEvent *) override { log->push_back("own"); }
};

struct Client : ISubclass
{
    std::string name;
    int response;
    std::vector<std::string> &log;
    Client(std::string n, int r, std::vector<std::string> &l)
        : name(std::move(n)), response(r), log(l)
    {
    }
    int MsgResponse() const override { return response; }
    qintptr WindowProc(QObject *, int message, QEvent *) override
    {
        log.push_back(name + ":" + std::to_string(message) + ":" +
                      std::to_string(SubclassService::instance().currentMessage()));
        return 0;
    }
};

TEST(AdaptersTest, SubclassServiceRunsHandlersBeforeOrAfterTheObject)
{
    std::vector<std::string> log;
    Host host;
    host.log = &log;
    Client before("before", ISubclass::BeforeOwn, log);
    Client after("after", ISubclass::AfterOwn, log);
    SubclassService &service = SubclassService::instance();
    service.attach(&before, &host, SubclassService::LeftButtonDown);
    service.attach(&after, &host, SubclassService::LeftButtonDown);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &press);
    EXPECT_EQ(log, (std::vector<std::string>{"before:513:513", "own", "after:513:513"}));
    EXPECT_EQ(service.currentMessage(), 0);

    log.clear();
    service.detach(&before, &host, SubclassService::LeftButtonDown);
    service.detach(&after, &host, SubclassService::LeftButtonDown);
    QCoreApplication::sendEvent(&host, &press);
    EXPECT_EQ(log, std::vector<std::string>{"own"});
}

TEST(AdaptersTest, ALetterAnswersAMessageBoxByItsButtonsMnemonic)
{
    const std::pair<Qt::Key, MessageAnswer> cases[] = {
        {Qt::Key_O, MessageAnswer::Yes},
        {Qt::Key_N, MessageAnswer::No},
        {Qt::Key_A, MessageAnswer::Cancel},
    };
    QtMessageBox messages;
    for (const auto &[key, answer] : cases) {
        SCOPED_TRACE(key);
        QStringList captions;
        QTimer::singleShot(0, [&captions, key = key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (const QAbstractButton *button : box->buttons())
                captions << button->text();
            QTest::keyClick(box, key);
        });
        EXPECT_EQ(messages.show({"Enregistrer ?", "Confirmation", MessageButtons::YesNoCancel,
                                 MessageIcon::Question}),
                  answer);
        captions.sort();
        EXPECT_EQ(captions, QStringList({"&Annuler", "&Non", "&Oui"}));
    }
}

TEST(AdaptersTest, QtsOwnDialogsSpeakFrench)
{
    ASSERT_TRUE(installFrenchTranslations()) << "qt6-translations-l10n is installed";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), "&Ouvrir");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), "Co&ller");
}

} // namespace
} // namespace areamaker
