// The exported web page measured in headless Chromium at a phone's 390 and a desktop's 1280 px, in a
// dark setting, and printed on A4.
#include "DevToolsPipe.h"
#include "EventLoopWait.h"
#include "ExportFixture.h"
#include "PdfTools.h"
#include "race_data/TestFiles.h"

#include "QStringPrint.h"
#include <QJsonArray>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Each column as "header, cells shown, cells wholly inside the screen"; colours as red + green + blue.
const char* const Measure = R"(((brightness) => ({
  innerWidth, scrolls: document.documentElement.scrollWidth > document.documentElement.clientWidth,
  columns: [...document.querySelectorAll('thead th')].map((th, i) => {
    const cells = [...document.querySelectorAll('tbody tr')].map((tr) => tr.children[i])
      .filter((c) => getComputedStyle(c).display !== 'none' && c.getBoundingClientRect().width > 0);
    const inside = cells.filter((c) => c.getBoundingClientRect().left >= 0 &&
      c.getBoundingClientRect().right <= document.documentElement.clientWidth);
    return [th.textContent, cells.length, inside.length].join(', ');
  }),
  stacked: [...document.querySelectorAll('tbody .bat')].every((td) =>
    td.querySelector('.segel').getBoundingClientRect().top >=
      td.querySelector('.namn').getBoundingClientRect().bottom - 1),
  background: brightness(getComputedStyle(document.body).backgroundColor),
  color: brightness(getComputedStyle(document.body).color)
}))((css) => css.match(/\d+/g).slice(0, 3).reduce((sum, n) => sum + Number(n), 0)))";

class BrowserPage : public ::testing::Test {
protected:
    void SetUp() override {
        if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed: the web page is not checked";
        // With a boat whose one-word name is wider than a phone.
        results::ResultExport list = smallRaceExport();
        list.rows.push_back({"Långfärdsseglarföreningens Havsörnen , SWE-12345", "11:00:00", "13:20:00",
                             "2:20:00", "1,000", "2:20:00", "5", "5"});
        results::exportResultList(page, list);
        tab = browser.open(QUrl::fromLocalFile(page).toString());
        const QString loaded = "location.protocol == 'file:' && document.readyState == 'complete'";
        ASSERT_TRUE(waitFor([&] { return browser.evaluate(tab, loaded).toBool(); }, 30000))
            << "no page loaded";
    }
    QJsonObject measured(int width, bool dark = false) {
        browser.call("Emulation.setDeviceMetricsOverride",
                     {{"width", width}, {"height", 844}, {"deviceScaleFactor", 1}, {"mobile", false}}, tab);
        const QJsonObject scheme{{"name", "prefers-color-scheme"}, {"value", dark ? "dark" : "light"}};
        browser.call("Emulation.setEmulatedMedia", {{"features", QJsonArray{scheme}}}, tab);
        return browser.evaluate(tab, Measure).toObject();
    }

    QTemporaryDir dir;
    QString page = dir.filePath("resultat.html");
    DevToolsPipe browser{{}};
    QString tab;
};

} // namespace

TEST_F(BrowserPage, ColumnsFitAPhoneAndADesktopAndTheColoursFollowADarkSetting) {
    for (const int width : {390, 1280}) {
        const QString others = width == 390 ? ", 0, 0" : ", 5, 5";
        const QJsonObject v = measured(width);
        ASSERT_EQ(v["innerWidth"].toInt(), width);
        EXPECT_FALSE(v["scrolls"].toBool()) << width;
        EXPECT_EQ(
            v["columns"].toVariant().toStringList(),
            QStringList({"Plac., 5, 5", "NamnSegelId, 5, 5", "Start" + others, "Mål" + others,
                         "Seglad Tid" + others, "SRS" + others, "Korrigerad Tid, 5, 5", "Poäng, 5, 5"}));
    }
    const QJsonObject v = measured(390);
    EXPECT_TRUE(v["stacked"].toBool()) << "a sail id does not stand under its name";
    EXPECT_GT(v["background"].toInt(), 600);
    const QJsonObject dark = measured(390, true);
    EXPECT_LT(dark["background"].toInt(), 150);
    EXPECT_GT(dark["color"].toInt(), 600);
}

TEST_F(BrowserPage, PrintsOnA4WithEveryColumn) {
    if (!haveTool("pdfinfo") || !haveTool("pdftotext"))
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
    const QString pdf = dir.filePath("resultat.pdf");
    const QJsonObject printed = browser.call("Page.printToPDF", {{"preferCSSPageSize", true}}, tab);
    writeBytes(pdf, QByteArray::fromBase64(printed["data"].toString().toLatin1()));
    const QString info = runTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Page size:.*\(A4\))"))) << info.toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
    const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
    for (const char* header :
         {"Plac.", "Namn", "Start", "Mål", "Seglad Tid", "SRS", "Korrigerad Tid", "Poäng"})
        EXPECT_TRUE(text.contains(header)) << header;
}
