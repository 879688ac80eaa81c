#include "FloorPlanPicture.h"
#include "VillagePicture.h"

#include <QDir>
#include <QGuiApplication>

#include <iostream>

// Writes the demo's pictures into the folder given as the only argument.
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "Utilisation : draw-demo-images DOSSIER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool written = FloorPlanPicture::draw().save(folder.filePath("plan.png"), "PNG") &&
                         VillagePicture::draw().save(folder.filePath("village.jpg"), "JPEG", 85);
    if (!written)
        std::cerr << "Écriture des images impossible dans " << argv[1] << '\n';
    return written ? 0 : 1;
}
