// The runner's file dialog completes a queued name as the real dialog does; the scenarios lean on it.
#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(ScriptedDialogs, AQueuedFileIsCompletedAsTheDialogWould) {
    MemoryEventLog log;
    ScriptedDialogs dialogs{log};
    const std::pair<QString, QString> cases[] = {
        {"Vår 2003.dat", "/tävling/Vår 2003.dat"},
        {"/andra.mapp/Höst", "/andra.mapp/Höst.dat"}, // the dot of a folder is no extension
        {"/andra/Höst.txt", "/andra/Höst.txt"},
    };
    for (const auto& [queued, expected] : cases) {
        dialogs.queueFile(queued);
        FileDialogRequest request;
        request.initDir = "/tävling/";
        request.defaultExt = "dat";
        EXPECT_EQ(dialogs.fileDialog(request), expected) << queued.toStdString();
    }
}
