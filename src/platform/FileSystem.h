#pragma once

#include "platform/FileView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// Outcome of a file operation: empty error on success, else a French description.
struct IoResult
{
    std::string error;
    bool ok() const { return error.empty(); }
    static IoResult failure(std::string description) { return IoResult{std::move(description)}; }
};

// A last-write time in calendar form (UTC, as stored by the file system).
struct FileTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Receives a file's new contents piece by piece, in order.
using ContentWriter = std::function<void(std::string_view piece)>;
// Hands new contents to the writer; returns why they could not be made, or an empty string.
using ContentProducer = std::function<std::string(const ContentWriter &write)>;

// The file system as the document core needs it: whole-file reads and atomic replaces.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    virtual bool fileExists(const std::string &path) const = 0;
    virtual IoResult readFile(const std::string &path, std::string &bytes) const = 0;
    // The file's bytes for a reader that only reads them, lent by the system without a copy
    // where it can; the default reads a copy.
    virtual IoResult viewFile(const std::string &path, std::unique_ptr<FileView> &view) const
    {
        std::string bytes;
        IoResult result = readFile(path, bytes);
        if (result.ok())
            view = std::make_unique<OwnedFileView>(std::move(bytes));
        return result;
    }
    // Replaces the file's contents all at once: either the old or the new bytes survive.
    virtual IoResult replaceFile(const std::string &path, std::string_view bytes) = 0;
    // The same with contents made while they are written, so that they need not be held
    // whole; when `produce` fails, the file keeps its old bytes and its reason is returned.
    virtual IoResult replaceFileWith(const std::string &path, const ContentProducer &produce)
    {
        std::string bytes;
        const std::string failure =
            produce([&bytes](std::string_view piece) { bytes.append(piece); });
        if (!failure.empty())
            return IoResult::failure(failure);
        return replaceFile(path, bytes);
    }
    // Removes the temporary files that replaces of this file killed before their end left
    // beside it: only the user's own, older than a minute, never through a link. Whatever
    // cannot be removed stays; the file itself is never touched.
    virtual void removeStaleTemporaries(const std::string &path) = 0;
    virtual std::optional<FileTime> lastWriteTime(const std::string &path) const = 0;
    // The file's length in bytes; nothing when it cannot be read.
    virtual std::optional<std::uintmax_t> fileSize(const std::string &path) const = 0;
    // The names of a folder's entries (files, folders, links), in no set order; nothing when
    // the folder cannot be listed. One listing answers many "does it exist" questions.
    virtual std::optional<std::vector<std::string>>
    folderEntries(const std::string &folder) const = 0;
};

} // namespace areamaker
