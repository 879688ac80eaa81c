#pragma once

#include <string>

namespace areamaker {

// What a file-open dialog shows; the filter uses the "Label|*.a;*.b|" form.
struct OpenFileRequest
{
    std::string filter;
    std::string title;
    std::string defaultExtension;
    std::string initialFolder;
    // The first filter lists only the files the user may run, for systems whose programs
    // carry no extension.
    bool firstFilterExecutables = false;
};

// Asks the user for an existing file; an empty answer means the dialog was cancelled.
class FileDialogPort
{
public:
    virtual ~FileDialogPort() = default;
    virtual std::string getOpenFileName(const OpenFileRequest &request) = 0;
    // Asks for a file to write, which need not exist; the caller asks before replacing one
    // that does. An empty answer means the dialog was cancelled.
    virtual std::string getSaveFileName(const OpenFileRequest &request) = 0;
};

} // namespace areamaker
