#pragma once

#include "platform/FileDialogPort.h"

#include <QString>

class QFileDialog;
class QWidget;

namespace areamaker {

// File-open and save dialogs; cancelling gives an empty path.
class QtFileDialog : public FileDialogPort
{
public:
    explicit QtFileDialog(QWidget *owner = nullptr) : mOwner(owner) {}
    void setOwner(QWidget *owner) { mOwner = owner; }
    std::string getOpenFileName(const OpenFileRequest &request) override;
    std::string getSaveFileName(const OpenFileRequest &request) override;

    // "Label|*.a;*.b|Other|*.*|" becomes "Label (*.a *.b);;Other (*.*)".
    static QString qtFilter(const std::string &filter);

private:
    std::string chooseFile(const OpenFileRequest &request, bool save);
    static void listExecutablesUnderFirstFilter(QFileDialog &dialog);

    QWidget *mOwner;
};

} // namespace areamaker
