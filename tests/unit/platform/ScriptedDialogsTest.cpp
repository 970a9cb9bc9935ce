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

TEST_F(ScriptedDialogsTest, QueuedAnswersAreTakenInOrderThenTheDefaultAnswers) {
    dialogs.queueAnswer(Answer::Cancel);
    dialogs.queueAnswer(Answer::Yes);
    const MessageBoxRequest print{"ResultatLista enligt denna ordning\r\nkommer att skrivas ut", "Skriv Ut",
                                  Buttons::OKCancel, Icon::Information, Answer::OK};
    const MessageBoxRequest ask{"Ta bort?", "", Buttons::YesNo, Icon::Exclamation, Answer::No};

    EXPECT_EQ(dialogs.messageBox(print), Answer::Cancel);
    EXPECT_EQ(dialogs.messageBox(ask), Answer::Yes);
    EXPECT_EQ(dialogs.messageBox(ask), Answer::No);

    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0],
              (QJsonObject{{"event", "msgbox"},
                           {"text", "ResultatLista enligt denna ordning\r\nkommer att skrivas ut"},
                           {"title", "Skriv Ut"},
                           {"buttons", "OKCancel"},
                           {"icon", "information"},
                           {"default", "OK"},
                           {"answer", "Cancel"},
                           {"queued", true}}));
    EXPECT_EQ(log.events[2], (QJsonObject{{"event", "msgbox"},
                                          {"text", "Ta bort?"},
                                          {"title", "Brisrundan"},
                                          {"buttons", "YesNo"},
                                          {"icon", "exclamation"},
                                          {"default", "No"},
                                          {"answer", "No"},
                                          {"queued", false}}));
}

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

TEST_F(ScriptedDialogsTest, ACancelledOrUnansweredDialogLogsNull) {
    FileDialogRequest request{true, "Spara fil som ...", "DATA FILE *.dat|*.dat", "/app", "dat", 0, "", true};
    dialogs.queueFile(std::nullopt);
    EXPECT_EQ(dialogs.fileDialog(request), std::nullopt);
    EXPECT_EQ(last(), (QJsonObject{{"event", "filedialog"},
                                   {"mode", "save"},
                                   {"title", "Spara fil som ..."},
                                   {"filter", "DATA FILE *.dat|*.dat"},
                                   {"initDir", "/app"},
                                   {"defaultExt", "dat"},
                                   {"flags", 0},
                                   {"fileName", ""},
                                   {"cancelError", true},
                                   {"result", QJsonValue::Null}}));
    EXPECT_EQ(dialogs.fileDialog(request), std::nullopt); // nothing queued
}

} // namespace
