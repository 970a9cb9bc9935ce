#include "JsonPrinting.h"
#include "ScriptedPlatform.h"

#include <QDir>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct ScriptedDialogsTest : ::testing::Test {
    MemoryEventLog log;
    ScriptedDialogs dialogs{log};

    QJsonObject last() const { return log.events.back(); }
};

TEST_F(ScriptedDialogsTest, AnAnswerWithoutItsButtonIsTakenByItsMeaning) {
    struct Case {
        Buttons buttons;
        Answer queued;
        Answer expected;
    };
    const Case cases[] = {
        {Buttons::OKCancel, Answer::Yes, Answer::OK}, {Buttons::OKCancel, Answer::No, Answer::Cancel},
        {Buttons::YesNo, Answer::OK, Answer::Yes},    {Buttons::YesNo, Answer::Cancel, Answer::No},
        {Buttons::OK, Answer::Cancel, Answer::OK},
    };
    for (const Case& c : cases) {
        dialogs.queueAnswer(c.queued);
        EXPECT_EQ(dialogs.messageBox({"?", "", c.buttons, Icon::None, Answer::OK}), c.expected);
        EXPECT_TRUE(last()["queued"].toBool());
    }
}

TEST_F(ScriptedDialogsTest, AQueuedFileIsCompletedAsTheDialogWould) {
    const QString sep = QDir::separator();
    struct Case {
        QString queued;
        QString initDir;
        QString expected;
    };
    const Case cases[] = {
        {"Höst", "/tävling", "/tävling" + sep + "Höst.dat"},
        {"Vår 2003.dat", "/tävling/", "/tävling/Vår 2003.dat"},
        {"/andra/Höst", "/tävling", "/andra/Höst.dat"},
        {"/andra.mapp/Höst", "/tävling", "/andra.mapp/Höst.dat"},
        {"/andra/Höst.txt", "/tävling", "/andra/Höst.txt"},
    };
    for (const Case& c : cases) {
        dialogs.queueFile(c.queued);
        FileDialogRequest request;
        request.initDir = c.initDir;
        request.defaultExt = "dat";
        EXPECT_EQ(dialogs.fileDialog(request), c.expected) << c.queued.toStdString();
        EXPECT_EQ(last()["result"].toString(), c.expected);
    }
}

} // namespace
