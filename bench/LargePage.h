#pragma once

#include <string>

// A generated site in a temporary folder: one page with many maps over a few real images,
// each map bound to an IMG tag, with text between them as in a real page.
class LargePage
{
public:
    LargePage(int mapCount, int areasPerMap);
    ~LargePage();
    LargePage(const LargePage &) = delete;
    LargePage &operator=(const LargePage &) = delete;

    const std::string &path() const { return mPage; }
    std::size_t bytes() const { return mBytes; }

    // The page alone: its maps name the pictures in images/, which it does not write.
    static std::string pageText(int mapCount, int areasPerMap);

private:
    void writeImages() const;

    std::string mFolder;
    std::string mPage;
    std::size_t mBytes = 0;
};
