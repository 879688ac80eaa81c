#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace areamaker {

class FileSystem;
class ImageProbe;

// The commands run without a window, for scripts: list a page's maps, check them, or
// rewrite them.
class BatchCommands
{
public:
    BatchCommands(FileSystem &files, ImageProbe &images) : mFiles(files), mImages(images) {}

    // Prints the page's maps as one JSON object; 0, or 1 with the reason on `err`.
    int list(const std::string &page, std::ostream &out, std::ostream &err);
    // Regenerates every MAP block of the page with the editor's own save.
    int rewrite(const std::string &page, std::ostream &err);
    // Checks each page, printing findings as they come (`json`: one JSON object); 0 without
    // errors, 1 with some, 2 when a page could not be read (its reason on `err`).
    int check(const std::vector<std::string> &pages, bool json, std::ostream &out,
              std::ostream &err);

private:
    FileSystem &mFiles;
    ImageProbe &mImages;
};

} // namespace areamaker
