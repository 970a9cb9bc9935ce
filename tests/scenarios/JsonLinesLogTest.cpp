#include "JsonLinesLog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <gtest/gtest.h>

using script::JsonLinesLog;

namespace {

TEST(JsonLinesLog, PutsTheEventNameFirstAndKeepsUtf8) {
    const QJsonObject msgbox{{"text", QStringLiteral("Båtar i Mål")}, {"answer", "OK"}, {"event", "msgbox"}};
    EXPECT_EQ(JsonLinesLog::line(msgbox),
              QByteArray("{\"event\":\"msgbox\",\"answer\":\"OK\",\"text\":\"B\xc3\xa5tar i "
                         "M\xc3\xa5l\"}"));
    EXPECT_EQ(JsonLinesLog::line(QJsonObject{{"event", "ended"}}), QByteArray(R"({"event":"ended"})"));
}

TEST(JsonLinesLog, WritesDayCountsThatReadBackExactly) {
    // Start and finish times are day counts with fractions that have no short decimal form.
    const double times[] = {37807.41666666666, 37807.416666666664, 0.00011574074074074075, 1.0 / 3.0,
                            37807.0};
    for (const double t : times) {
        const QByteArray text = JsonLinesLog::line(QJsonObject{{"event", "dump"}, {"t", t}});
        const double back = std::strtod(text.constData() + text.indexOf("\"t\":") + 4, nullptr);
        EXPECT_EQ(back, t) << text.constData();
    }
}

TEST(JsonLinesLog, WritesOneLinePerEvent) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    JsonLinesLog log(out);
    log.write(QJsonObject{{"event", "beep"}});
    log.write(QJsonObject{{"event", "sound"}, {"path", "/a/Gun.wav"}});
    std::rewind(out);
    char buffer[200] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer, n),
              "{\"event\":\"beep\"}\n{\"event\":\"sound\",\"path\":\"/a/Gun.wav\"}\n");
}

} // namespace
