#include "adapters/QtFileDialog.h"

#include "adapters/ExecutableFilesProxy.h"

#include <QFileDialog>
#include <QStringList>

namespace areamaker {

QString QtFileDialog::qtFilter(const std::string &filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i].trimmed();
        // The label often shows its patterns already; Qt reads them from the last brackets.
        const qsizetype bracket = label.lastIndexOf('(');
        if (bracket > 0 && label.endsWith(')'))
            label = label.left(bracket).trimmed();
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        entries << label + " (" + patterns.join(' ') + ")";
    }
    return entries.join(";;");
}

void QtFileDialog::listExecutablesUnderFirstFilter(QFileDialog &dialog)
{
    // Only Qt's own dialog takes a proxy model.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *proxy = new ExecutableFilesProxy(&dialog);
    dialog.setProxyModel(proxy);
    const QString first = dialog.nameFilters().value(0);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                     [proxy, first](const QString &filter) { proxy->setActive(filter == first); });
}

std::string QtFileDialog::getOpenFileName(const OpenFileRequest &request)
{
    return chooseFile(request, false);
}

std::string QtFileDialog::getSaveFileName(const OpenFileRequest &request)
{
    return chooseFile(request, true);
}

std::string QtFileDialog::chooseFile(const OpenFileRequest &request, bool save)
{
    QFileDialog dialog(mOwner, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder), qtFilter(request.filter));
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The caller asks its own question before a file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, save);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (request.firstFilterExecutables)
        listExecutablesUnderFirstFilter(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

} // namespace areamaker
