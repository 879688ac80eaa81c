#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace areamaker {

// A file's bytes for a reader that only reads them, valid for as long as the view lives.
class FileView
{
public:
    virtual ~FileView() = default;
    virtual std::string_view bytes() const = 0;
};

// A view over a copy of the bytes that it owns.
class OwnedFileView : public FileView
{
public:
    explicit OwnedFileView(std::string bytes) : mBytes(std::move(bytes)) {}
    std::string_view bytes() const override { return mBytes; }

private:
    std::string mBytes;
};

} // namespace areamaker
