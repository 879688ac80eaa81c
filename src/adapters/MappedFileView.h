#pragma once

#include "adapters/SystemCalls.h"
#include "platform/FileView.h"

#include <cstddef>

namespace areamaker {

// A file's bytes as the system's cache holds them, mapped read-only: no copy is made and no
// fresh memory touched. Its pages are the file's own, so a file cut short by another program
// while it is viewed ends the program (see guardAgainstTruncatedViews).
class MappedFileView : public FileView
{
public:
    MappedFileView(SystemCalls &calls, void *address, std::size_t size)
        : mCalls(calls), mAddress(address), mSize(size)
    {
    }
    ~MappedFileView() override { mCalls.unmapFile(mAddress, mSize); }
    MappedFileView(const MappedFileView &) = delete;
    MappedFileView &operator=(const MappedFileView &) = delete;

    std::string_view bytes() const override { return {static_cast<const char *>(mAddress), mSize}; }

private:
    SystemCalls &mCalls;
    void *mAddress;
    std::size_t mSize;
};

} // namespace areamaker
