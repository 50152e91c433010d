#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {
// "Description|pattern" becomes Qt's "Description (pattern)" unless the description already
// names its pattern.
QString QtFilter(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const auto bar = text.indexOf('|');
    if (bar < 0) return text;
    const QString description = text.left(bar);
    const QString pattern = text.mid(bar + 1);
    if (description.contains('(')) return description;
    return description + " (" + pattern + ")";
}
} // namespace

FileDialogResult ShowQtFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    // Qt's own dialog matches name filters without regard to case, so "*.vrs" also lists
    // files ending ".VRS" on a case-sensitive file system.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && request.fileMustExist ? QFileDialog::ExistingFile
                                                             : QFileDialog::AnyFile);
    if (!request.open) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QString::fromStdString(request.initialFolder));
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.selectFile(QString::fromStdString(request.fileName));

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
    const QFileInfo chosen(dialog.selectedFiles().first());
    result.cancelled = false;
    result.fileTitle = chosen.fileName().toStdString();
    result.filePath = chosen.absoluteFilePath().toStdString();
    return result;
}
