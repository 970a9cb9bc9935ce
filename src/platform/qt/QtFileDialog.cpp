#include "QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace platform {

namespace {

// The dialog's flag that asks before a file that does not exist is created.
constexpr int CreatePromptFlag = 8192;

bool asksBeforeCreating(const FileDialogRequest& request) {
    return (request.flags & CreatePromptFlag) != 0;
}

QString dialogTitle(const FileDialogRequest& request) {
    if (!request.title.isEmpty()) return request.title;
    return request.save ? QStringLiteral("Spara som") : QStringLiteral("Öppna");
}

void configure(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(dialogTitle(request));
    if (!request.filter.isEmpty()) dialog.setNameFilters(qtNameFilters(request.filter));
    if (!request.initDir.isEmpty()) dialog.setDirectory(request.initDir);
    // Where the type decides, Qt must not add its default to a name typed without an extension.
    if (!request.typeSetsExtension) dialog.setDefaultSuffix(request.defaultExt);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool anyFile = request.save || asksBeforeCreating(request);
    dialog.setFileMode(anyFile ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}

} // namespace

std::optional<QString> QtDialogs::fileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    configure(dialog, request);
    // Answering No to the create question leaves the person in the dialog, as on Windows.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
        if (request.typeSetsExtension)
            path = withTypeExtension(path, request.filter,
                                     int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
        if (!asksBeforeCreating(request) || QFileInfo::exists(path)) return path;
        const MessageBoxRequest question{
            QFileInfo(path).fileName() + QStringLiteral("\nFilen finns inte.\nVill du skapa den?"),
            dialogTitle(request), Buttons::YesNo, Icon::Exclamation, Answer::Yes};
        if (messageBox(question) == Answer::Yes) return path;
    }
    return std::nullopt;
}

} // namespace platform
