// Shows every bitmap and string of the resource library in one window.
// Run with --grab FILE to save a picture of the window instead of waiting for the user.

#include "BitmapSheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("grab"), QStringLiteral("Save a picture to <file>."),
                      QStringLiteral("file")});
    parser.process(app);

    BitmapSheet sheet;
    sheet.setWindowTitle(QStringLiteral("Zonepack — bitmaps et chaînes"));
    sheet.resize(sheet.sizeHint());
    sheet.show();
    if (parser.isSet(QStringLiteral("grab"))) {
        const QString path = parser.value(QStringLiteral("grab"));
        QTimer::singleShot(200, &sheet, [&sheet, path] {
            sheet.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
