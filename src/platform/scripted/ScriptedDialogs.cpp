#include "DialogTitle.h"
#include "EventNames.h"
#include "ScriptedPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

namespace platform {

namespace {

// An answer the box has no button for is taken by its meaning: Yes and OK agree, No and Cancel
// refuse; a box with OK alone can only be answered OK.
Answer fitAnswer(Answer answer, Buttons buttons) {
    const bool agrees = answer == Answer::OK || answer == Answer::Yes;
    switch (buttons) {
    case Buttons::OKCancel:
        return agrees ? Answer::OK : Answer::Cancel;
    case Buttons::YesNo:
        return agrees ? Answer::Yes : Answer::No;
    case Buttons::OK:
        break;
    }
    return Answer::OK;
}

bool endsWithSeparator(const QString& dir) {
    return dir.endsWith(QLatin1Char('/')) || dir.endsWith(QDir::separator());
}

// As the file dialog completes a typed name: a relative path is taken in the initial folder, and a
// name without an extension gets the default one.
QString completedPath(const QString& path, const FileDialogRequest& request) {
    QString full = path;
    if (!request.initDir.isEmpty() && QDir::isRelativePath(path))
        full = request.initDir +
               (endsWithSeparator(request.initDir) ? QString() : QString(QDir::separator())) + path;
    if (!request.defaultExt.isEmpty() && !QFileInfo(full).fileName().contains(QLatin1Char('.')))
        full += QLatin1Char('.') + request.defaultExt;
    return full;
}

} // namespace

Answer ScriptedDialogs::messageBox(const MessageBoxRequest& request) {
    const bool queued = !answers_.empty();
    Answer answer = request.defaultButton;
    if (queued) {
        answer = answers_.front();
        answers_.pop_front();
    }
    answer = fitAnswer(answer, request.buttons);
    log_.write(QJsonObject{
        {QStringLiteral("event"), QStringLiteral("msgbox")},
        {QStringLiteral("text"), request.text},
        {QStringLiteral("title"), shownTitle(request)},
        {QStringLiteral("buttons"), buttonsName(request.buttons)},
        {QStringLiteral("icon"), iconName(request.icon)},
        {QStringLiteral("default"), answerName(request.defaultButton)},
        {QStringLiteral("answer"), answerName(answer)},
        {QStringLiteral("queued"), queued},
    });
    return answer;
}

std::optional<QString> ScriptedDialogs::fileDialog(const FileDialogRequest& request) {
    std::optional<QString> result;
    if (!files_.empty()) {
        if (files_.front()) result = completedPath(*files_.front(), request);
        files_.pop_front();
    }
    log_.write(QJsonObject{
        {QStringLiteral("event"), QStringLiteral("filedialog")},
        {QStringLiteral("mode"), request.save ? QStringLiteral("save") : QStringLiteral("open")},
        {QStringLiteral("title"), request.title},
        {QStringLiteral("filter"), request.filter},
        {QStringLiteral("initDir"), request.initDir},
        {QStringLiteral("defaultExt"), request.defaultExt},
        {QStringLiteral("flags"), request.flags},
        {QStringLiteral("fileName"), request.fileName},
        {QStringLiteral("cancelError"), request.cancelError},
        {QStringLiteral("result"), result ? QJsonValue(*result) : QJsonValue(QJsonValue::Null)},
    });
    return result;
}

void ScriptedDialogs::beep() {
    log_.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("beep")}});
}

} // namespace platform
