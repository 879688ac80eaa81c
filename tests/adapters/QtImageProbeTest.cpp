#include "adapters/QtImageProbe.h"

#include "ScratchFolder.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

using areamaker::ImageSize;
using areamaker::QtImageProbe;

namespace {

std::string littleEndian16(int value)
{
    return {static_cast<char>(value & 0xff), static_cast<char>((value >> 8) & 0xff)};
}

// A GIF written byte by byte: header, screen and image of the given size, a two-colour
// table, and image data that holds only a clear code and the end code.
std::string handWrittenGif(int width, int height)
{
    using namespace std::string_literals;
    const std::string size = littleEndian16(width) + littleEndian16(height);
    return "GIF89a"s + size + "\x80\x00\x00"s + "\x00\x00\x00\xff\xff\xff"s +
           "\x2c\x00\x00\x00\x00"s + size + "\x00"s + "\x02\x01\x2c\x00"s + "\x3b"s;
}

std::string savedImage(const ScratchFolder &scratch, const char *name, const char *format,
                       ImageSize size)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const std::string path = scratch.file(name);
    if (!image.save(QString::fromStdString(path), format))
        throw std::runtime_error(std::string("cannot save ") + name);
    return path;
}

} // namespace

TEST(QtImageProbe, ReadsThePixelSizeOfEachFormat)
{
    ScratchFolder scratch;
    struct Case
    {
        const char *name;
        const char *format; // nullptr: written by hand
        ImageSize size;
    };
    const Case cases[] = {
        {"plan.png", "PNG", {123, 45}},       {"photo.jpg", "JPEG", {640, 1}},
        {"PHOTO.JPEG", "JPEG", {17, 900}},    {"carte.bmp", "BMP", {1, 77}},
        {"mislabelled.gif", "PNG", {31, 32}}, {"hand.gif", nullptr, {300, 200}},
        {"wide.gif", nullptr, {4000, 3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            c.format ? savedImage(scratch, c.name, c.format, c.size)
                     : scratch.write(c.name, handWrittenGif(c.size.width, c.size.height));
        EXPECT_EQ(QtImageProbe().probe(path), std::optional<ImageSize>(c.size));
    }
}

TEST(QtImageProbe, GivesNothingForWhatIsNotAPicture)
{
    ScratchFolder scratch;
    const std::string png = savedImage(scratch, "whole.png", "PNG", {20, 10});
    scratch.write("truncated.png", ScratchFolder::readBytes(png).substr(0, 10));
    scratch.write("page.htm", "<html><body>Pas une image</body></html>\n");
    scratch.write("empty.gif", "");
    std::filesystem::create_directory(scratch.file("folder.png"));
    for (const char *name :
         {"page.htm", "empty.gif", "truncated.png", "folder.png", "missing.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QtImageProbe().probe(scratch.file(name)), std::nullopt);
    }
}
