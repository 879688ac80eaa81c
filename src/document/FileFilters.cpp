#include "document/FileFilters.h"

namespace areamaker::FileFilters {

namespace {

constexpr const char *AnyFile = "Tous  (*.*)|*.*|";
constexpr const char *Pictures = "Images  (*.gif; *.jpg; *.jpeg; *.png; *.bmp; *.webp)|"
                                 "*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.webp|";

} // namespace

std::string pages()
{
    return std::string("Page web  (*.html; *.htm)|*.html;*.htm|") + AnyFile;
}

std::string pictures()
{
    return Pictures;
}

std::string images()
{
    return std::string(Pictures) + AnyFile;
}

std::string links()
{
    return std::string("Pages web  (*.htm; *.html)|*.htm;*.html|") + Pictures + AnyFile;
}

} // namespace areamaker::FileFilters
