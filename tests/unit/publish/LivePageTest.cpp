// The live page on a phone in headless Chromium, scrolled down, takes a new snapshot from the real server
// as after a registration: shown within two seconds, at the same place, without a reload.
#include "DevToolsPipe.h"
#include "LiveServer.h"

#include "EventLoopWait.h"
#include <gtest/gtest.h>

using namespace publish;

namespace {

results::ResultatRad finish(const QString& boat, int place) {
    const QString p = QString::number(place);
    return {boat, "10:00:00", "11:00:00", "1:00:00", "1,000", "1:00:00", p, p};
}

} // namespace

TEST(LivePage, ANewFinishAppearsWithinTwoSecondsWithoutLosingTheReadersPlace) {
    if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed: the live page is not checked";
    results::ResultExport list;
    list.heading = "Höstrundan";
    list.rows = {{"Tävling"}, {}};
    for (int i = 1; i <= 60; ++i)
        list.rows.push_back(finish(QStringLiteral("Båt %1 , S%1").arg(i), i));
    LiveServer server;
    server.setSnapshot(makeSnapshot(list, 1));
    ASSERT_EQ(server.start(QHostAddress::LocalHost, 0), QString());
    DevToolsPipe browser({"--window-size=390,844"});
    const QString tab = browser.open(QStringLiteral("http://127.0.0.1:%1/").arg(server.port()));
    ASSERT_FALSE(tab.isEmpty()) << "chromium did not open the page";
    ASSERT_TRUE(waitFor(
        [&] { return browser.evaluate(tab, "document.querySelectorAll('tbody tr').length") == 60; }, 30000));
    ASSERT_EQ(browser.evaluate(tab, "window.mark = 'kvar'; scrollTo(0, 900); scrollY"), 900);

    list.rows.push_back(finish("Nykomling , S99", 61));
    server.setSnapshot(makeSnapshot(list, 2));
    const QString shown = "document.body.textContent.includes('Nykomling')";
    EXPECT_TRUE(waitFor([&] { return browser.evaluate(tab, shown).toBool(); }, 2000))
        << "not on the page two seconds after the handover";
    EXPECT_EQ(browser.evaluate(tab, "scrollY"), 900) << "the reader's place is lost";
    EXPECT_EQ(browser.evaluate(tab, "window.mark"), "kvar") << "the page was reloaded";
}
