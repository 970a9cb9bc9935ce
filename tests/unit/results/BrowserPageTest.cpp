// The exported web page in a real browser: headless Chromium lays out the file the exporter wrote, at a
// phone's 390x844 and a desktop's 1280x900, and a script in the surrounding page measures it. At 390 px
// nothing scrolls sideways and place, boat, corrected time and points stand inside the screen, the
// boat's name over its sail id; the other columns join at 1280 px. The colours follow a dark setting,
// and the page prints on A4 with every column.
#include "Chromium.h"
#include "ExportFixture.h"
#include "PdfTools.h"

#include "QStringPrint.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The exported page goes into an iframe of the screen's size; the iframe shares this page's origin
// (srcdoc), so the script may measure inside it. The verdict is written into the page, which Chromium
// dumps once it has loaded.
const char* const Measure = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>body { margin: 0 } iframe { border: 0; display: block }</style></head>
<body><iframe id="page" width="%1" height="%2" srcdoc="%3"></iframe><pre id="verdict"></pre>
<script>
window.addEventListener('load', () => {
  const doc = document.getElementById('page').contentDocument;
  const view = doc.defaultView;
  const width = doc.documentElement.clientWidth;
  const shown = (e) => view.getComputedStyle(e).display !== 'none' && e.getBoundingClientRect().width > 0;
  const inside = (e) => { const r = e.getBoundingClientRect(); return r.left >= 0 && r.right <= width; };
  const columns = [...doc.querySelectorAll('thead th')].map((th, i) => {
    const cells = [...doc.querySelectorAll('tbody tr')].map((tr) => tr.children[i]);
    return { header: th.textContent, cells: cells.length,
             shown: cells.filter(shown).length, inside: cells.filter((c) => shown(c) && inside(c)).length };
  });
  const stacked = [...doc.querySelectorAll('tbody .bat')].every((td) =>
    td.querySelector('.segel').getBoundingClientRect().top >=
      td.querySelector('.namn').getBoundingClientRect().bottom - 1);
  const style = view.getComputedStyle(doc.body);
  document.getElementById('verdict').textContent = JSON.stringify({
    innerWidth: view.innerWidth, clientWidth: width, scrollWidth: doc.documentElement.scrollWidth,
    columns, stacked, background: style.backgroundColor, color: style.color,
    heading: [...doc.querySelectorAll('header > *')].map((e) => e.textContent) });
});
</script></body></html>
)";

// One run of Chromium on a profile of its own; the page's output on stdout.
QByteArray runChromium(const QTemporaryDir& dir, const QStringList& args) {
    static int runs = 0;
    QProcess browser;
    browser.setProcessChannelMode(QProcess::SeparateChannels);
    browser.start(
        chromium(),
        ChromiumFlags +
            QStringList{"--user-data-dir=" + dir.filePath(QStringLiteral("profile-%1").arg(++runs))} + args);
    if (!browser.waitForFinished(90000)) {
        browser.kill();
        browser.waitForFinished();
        ADD_FAILURE() << "chromium did not finish within 90 s";
    }
    return browser.readAllStandardOutput();
}

struct Screen {
    int width;
    int height;
    bool dark;
};

// The verdict of the measuring script for the page at that path on that screen.
QJsonObject measured(const QTemporaryDir& dir, const QString& page, const Screen& screen) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString wrapper = QString::fromUtf8(Measure)
                                .arg(screen.width)
                                .arg(screen.height)
                                .arg(QString::fromUtf8(file.readAll()).toHtmlEscaped());
    const QString wrapperPath = dir.filePath(QStringLiteral("measure-%1.html").arg(screen.width));
    QFile out(wrapperPath);
    if (!out.open(QIODevice::WriteOnly)) return {};
    out.write(wrapper.toUtf8());
    out.close();

    QStringList args{QStringLiteral("--window-size=%1,%2").arg(screen.width + 20).arg(screen.height + 20),
                     "--dump-dom", QUrl::fromLocalFile(wrapperPath).toString()};
    if (screen.dark) args.prepend("--force-dark-mode");
    const QString dom = QString::fromUtf8(runChromium(dir, args));
    const QRegularExpressionMatch verdict =
        QRegularExpression(R"re(<pre id="verdict">(.*)</pre>)re").match(dom);
    if (!verdict.hasMatch()) return {};
    // The dump escapes the text as HTML: '&', '<', '>' and the quotes of attribute values.
    QString json = verdict.captured(1);
    json.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

// The race of the golden files with a boat whose name is longer than a phone is wide in one word.
results::ResultExport raceForPhones() {
    results::ResultExport list = smallRaceExport();
    list.rows.push_back({QStringLiteral("Långfärdsseglarföreningens Havsörnen , SWE-12345"), "11:00:00",
                         "13:20:00", "2:20:00", "1,000", "2:20:00", "5", "5"});
    return list;
}

// The sum of red, green and blue of a CSS "rgb(r, g, b)" colour, from 0 to 765.
int brightness(const QString& css) {
    int sum = 0;
    for (const QRegularExpressionMatch& m : QRegularExpression("\\d+").globalMatch(css))
        sum += m.captured().toInt();
    return sum;
}

class BrowserPage : public ::testing::Test {
protected:
    void SetUp() override {
        if (chromium().isEmpty()) GTEST_SKIP() << "chromium is not installed: the web page is not checked";
        ASSERT_TRUE(dir.isValid());
        results::exportResultList(page, raceForPhones());
    }

    QTemporaryDir dir;
    QString page = dir.filePath("resultat.html");
};

const QStringList OnPhones{"Plac.", "NamnSegelId", "Korrigerad Tid", "Poäng"};

} // namespace

TEST_F(BrowserPage, OnAPhoneTheFourColumnsFitWithoutSidewaysScrolling) {
    const QJsonObject v = measured(dir, page, {390, 844, false});
    ASSERT_FALSE(v.isEmpty()) << "no verdict from the page";
    ASSERT_EQ(v["innerWidth"].toInt(), 390);
    EXPECT_LE(v["scrollWidth"].toInt(), v["clientWidth"].toInt());
    const QJsonArray columns = v["columns"].toArray();
    ASSERT_EQ(columns.size(), 8);
    for (const QJsonValue& column : columns) {
        const QJsonObject c = column.toObject();
        const std::string header = c["header"].toString().toStdString();
        ASSERT_EQ(c["cells"].toInt(), 5) << header;
        if (OnPhones.contains(QString::fromStdString(header)))
            EXPECT_EQ(c["inside"].toInt(), 5) << header << " is not wholly on the screen";
        else
            EXPECT_EQ(c["shown"].toInt(), 0) << header << " takes room on a phone";
    }
    EXPECT_TRUE(v["stacked"].toBool()) << "a sail id does not stand under its name";
    EXPECT_EQ(v["heading"].toArray().toVariantList(),
              QVariantList({"Segelsällskapet Brisen", "Brisrundan 2006 – \"Sommar\" <final> & pris",
                            "Preliminära resultat kl 18:30"}));
    EXPECT_GT(brightness(v["background"].toString()), 600);
}

TEST_F(BrowserPage, OnADesktopEveryColumnIsShown) {
    const QJsonObject v = measured(dir, page, {1280, 900, false});
    ASSERT_FALSE(v.isEmpty()) << "no verdict from the page";
    ASSERT_EQ(v["innerWidth"].toInt(), 1280);
    EXPECT_LE(v["scrollWidth"].toInt(), v["clientWidth"].toInt());
    QStringList headers;
    for (const QJsonValue& column : v["columns"].toArray()) {
        const QJsonObject c = column.toObject();
        headers << c["header"].toString();
        EXPECT_EQ(c["inside"].toInt(), 5) << c["header"].toString().toStdString();
    }
    EXPECT_EQ(headers, QStringList({"Plac.", "NamnSegelId", "Start", "Mål", "Seglad Tid", "SRS",
                                    "Korrigerad Tid", "Poäng"}));
}

TEST_F(BrowserPage, ADarkSettingGivesLightTextOnADarkPage) {
    const QJsonObject v = measured(dir, page, {390, 844, true});
    ASSERT_FALSE(v.isEmpty()) << "no verdict from the page";
    EXPECT_LT(brightness(v["background"].toString()), 150) << v["background"].toString().toStdString();
    EXPECT_GT(brightness(v["color"].toString()), 600) << v["color"].toString().toStdString();
}

TEST_F(BrowserPage, PrintsOnA4WithEveryColumn) {
    if (!haveTool("pdfinfo") || !haveTool("pdftotext"))
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
    const QString pdf = dir.filePath("resultat.pdf");
    runChromium(dir,
                {"--no-pdf-header-footer", "--print-to-pdf=" + pdf, QUrl::fromLocalFile(page).toString()});
    // A4 is 595.3 x 841.9 points; Chromium rounds its page to whole device pixels.
    const QRegularExpressionMatch size =
        QRegularExpression(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re").match(runTool("pdfinfo", {pdf}));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), 595.3, 1);
    EXPECT_NEAR(size.captured(2).toDouble(), 841.9, 1);
    const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
    for (const char* header :
         {"Plac.", "Namn", "Start", "Mål", "Seglad Tid", "SRS", "Korrigerad Tid", "Poäng"})
        EXPECT_TRUE(text.contains(header)) << header;
    EXPECT_EQ(pdfPageCount(pdf), 1);
}
