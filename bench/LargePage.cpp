#include "LargePage.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

struct Picture
{
    const char *file;
    const char *format;
    int width;
    int height;
};

// Few distinct images, as on a real site: their sizes are probed once each.
constexpr std::array<Picture, 3> pictures = {{
    {"images/plan.png", "PNG", 800, 600},
    {"images/photo.jpg", "JPEG", 1024, 768},
    {"images/carte.bmp", "BMP", 640, 480},
}};

std::string areaLine(int map, int area)
{
    const int left = 10 + (area % 10) * 60, top = 10 + (area / 10) * 200;
    const std::string x = std::to_string(left);
    const std::string y = std::to_string(top);
    const std::string attributes = " HREF=\"pages/carte-" + std::to_string(map) + "/zone-" +
                                   std::to_string(area) + ".htm\" TITLE=\"Zone " +
                                   std::to_string(area) + " de la carte " + std::to_string(map) +
                                   "\" ALT=\"Zone " + std::to_string(area) +
                                   "\" onMouseOver=\"montrer(" + std::to_string(area) + ")\">";
    switch (area % 3) {
    case 0:
        return "<AREA SHAPE=\"RECT\" COORDS=\"" + x + ',' + y + ',' + std::to_string(left + 50) +
               ',' + std::to_string(top + 80) + '"' + attributes;
    case 1:
        return "<AREA SHAPE=\"CIRCLE\" COORDS=\"" + x + ',' + y + ",25\"" + attributes;
    default:
        return "<AREA SHAPE=\"POLY\" COORDS=\"" + x + ',' + y + ",80,10,90,60,50,90,20,70,5,30\"" +
               attributes;
    }
}

std::string mapSection(int map, int areasPerMap)
{
    const Picture &picture = pictures[static_cast<std::size_t>(map) % pictures.size()];
    const std::string name = "carte-" + std::to_string(map);
    std::string text =
        "<H2>Carte " + std::to_string(map) + "</H2>\r\n<P>" + std::string(24, ' ') +
        "Texte de la page entre deux cartes, comme dans un vrai site : une phrase "
        "ou deux qui décrivent l'image et ce que l'on trouve en cliquant dessus. "
        "Le reste de la page ne doit jamais être touché par l'éditeur. Une légende plus "
        "longue, avec la date de la prise de vue, l'auteur du plan, une adresse et "
        "un lien vers la page précédente, complète souvent le paragraphe. Puis vient "
        "une note de bas de page qui rappelle les horaires d'ouverture, le nom du "
        "photographe et les conditions de reproduction de l'image.</P>\r\n";
    text += "<IMG SRC=\"" + std::string(picture.file) + "\" WIDTH=\"" +
            std::to_string(picture.width) + "\" HEIGHT=\"" + std::to_string(picture.height) +
            "\" USEMAP=\"#" + name + "\">\r\n";
    text += "<MAP NAME=\"" + name + "\">\r\n<!--Source Map:|" + picture.file + "|-->\r\n";
    for (int area = 0; area < areasPerMap; ++area)
        text += areaLine(map, area) + "\r\n";
    text += "<AREA SHAPE=\"RECT\" COORDS=\"0,0," + std::to_string(picture.width) + ',' +
            std::to_string(picture.height) + "\" HREF=\"index.htm\">\r\n</MAP>\r\n";
    return text;
}

} // namespace

LargePage::LargePage(int mapCount, int areasPerMap)
{
    std::string pattern = (fs::temp_directory_path() / "areabench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    mFolder = pattern;
    writeImages();
    const std::string text = pageText(mapCount, areasPerMap);
    mPage = mFolder + "/index.htm";
    std::ofstream(mPage, std::ios::binary) << text;
    mBytes = text.size();
}

LargePage::~LargePage()
{
    std::error_code ignored;
    fs::remove_all(mFolder, ignored);
}

void LargePage::writeImages() const
{
    fs::create_directories(mFolder + "/images");
    for (const Picture &picture : pictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString file = QString::fromStdString(mFolder + '/' + picture.file);
        if (!image.save(file, picture.format))
            throw std::runtime_error(std::string("cannot write ") + picture.file);
    }
}

std::string LargePage::pageText(int mapCount, int areasPerMap)
{
    std::string text = "<HTML>\r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                       "charset=utf-8\">\r\n<TITLE>Grand site</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    for (int map = 0; map < mapCount; ++map)
        text += mapSection(map, areasPerMap);
    return text + "</BODY>\r\n</HTML>\r\n";
}
