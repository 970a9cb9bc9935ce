#include "Settings.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using race_data::LasInstallningar;
using race_data::SparaInstallningar;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ini = race_data::settingsPath(dir.path());

    race_data::Installningar readFrom(const QByteArray& bytes) {
        writeBytes(ini, bytes);
        return LasInstallningar(ini);
    }
};

const QString Hostfil = QStringLiteral("C:\\R\\Höst.dat");

} // namespace

// A missing file, one without the section and one of garbage all read as "NC", and reading writes nothing.
TEST_F(SettingsTest, MissingOrUnreadableSettingsReadAsNC) {
    const race_data::Installningar s = LasInstallningar(ini);
    EXPECT_EQ(s.DataFil, "NC");
    EXPECT_EQ(s.BatarIMal, QStringList{"NC"});
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_EQ(readFrom("[Annat]\r\nLast=x\r\n").DataFil, "NC");
    QByteArray garbage;
    quint32 seed = 12345;
    for (int i = 0; i < 3'000'000; ++i) {
        seed = seed * 1103515245 + 12345;
        garbage.append(char(seed >> 23));
    }
    garbage.append('\0');
    garbage += "[Brisrundan\n[=]\n=\n==x\n]";
    EXPECT_EQ(readFrom(garbage).DataFil, "NC");
    EXPECT_TRUE(race_data::writeProfileStrings(ini, "Brisrundan", {{"Last", "ok"}}));
    EXPECT_EQ(LasInstallningar(ini).DataFil, "ok");
}

TEST_F(SettingsTest, ReadsNamesWithoutRegardToCase) {
    const race_data::Installningar s =
        readFrom("[Annat]\r\nLast=fel\r\n[brisRUNDAN]\r\n"
                 "  LAST =  C:\\R\\H\xF6st.dat  \r\nB\xC5TAR I M\xC5L=x**x*\r\n");
    EXPECT_EQ(s.DataFil, Hostfil);
    EXPECT_EQ(s.BatarIMalText, "x**x*");
    EXPECT_EQ(s.BatarIMal, (QStringList{"x", "", "x", ""}));
}

// Quotes around a whole value go, as the profile functions drop them; any other quote stays.
TEST_F(SettingsTest, QuotesAroundAValueAreDropped) {
    const std::pair<QByteArray, QString> cases[] = {
        {"\"C:\\R\\H\xF6st.dat\"", Hostfil}, {"'x**x'", "x**x"}, {"x**x", "x**x"}, {"\"ett'", "\"ett'"}};
    for (const auto& [written, read] : cases)
        EXPECT_EQ(readFrom("[Brisrundan]\r\nLast=" + written + "\r\n").DataFil, read)
            << written.toStdString();
}

TEST_F(SettingsTest, FirstSectionAndFirstKeyWinWhateverTheLineEnds) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QByteArray text = QByteArray("[Brisrundan]") + end + "Last=ett" + end + "Last=tv\xE5" + end +
                                "[Brisrundan]" + end + "Last=tre" + end + "B\xE5tar i M\xE5l=" + end;
        const race_data::Installningar s = readFrom(text);
        EXPECT_EQ(s.DataFil, "ett");
        EXPECT_EQ(s.BatarIMalText, "NC");
    }
}

TEST_F(SettingsTest, EmptyValueReadsEmpty) {
    const race_data::Installningar s = readFrom("[Brisrundan]\r\nLast=\r\nB\xE5tar i M\xE5l=\r\n");
    EXPECT_EQ(s.DataFil, "");
    EXPECT_TRUE(s.BatarIMal.isEmpty());
}

TEST_F(SettingsTest, ValuesAreCutAt254Characters) {
    for (const int length : {254, 300}) {
        const QByteArray value(length, '\xE5');
        const race_data::Installningar s = readFrom("[Brisrundan]\r\nLast=" + value + "\r\n");
        EXPECT_EQ(s.DataFil, QString(254, u'å'));
    }
}

TEST_F(SettingsTest, WritingCreatesTheFileInWindows1252WithCRLF) {
    SparaInstallningar(ini, Hostfil, {"x", "", "x", ""});
    EXPECT_EQ(readBytes(ini), "[Brisrundan]\r\nLast=C:\\R\\H\xF6st.dat\r\nB\xE5tar i M\xE5l=x**x*\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Vindo.ini"});
}

TEST_F(SettingsTest, WritingKeepsEverythingElse) {
    writeBytes(ini, "; kommentar\n[Annat]\nLast=kvar\n\n[brisrundan]\nlast = gammal\nX=1\n\n\n[Sist]\nB=2");
    SparaInstallningar(ini, "ny", {"x", ""});
    EXPECT_EQ(readBytes(ini), "; kommentar\r\n[Annat]\r\nLast=kvar\r\n\r\n[brisrundan]\r\nLast=ny\r\nX=1\r\n"
                              "B\xE5tar i M\xE5l=x*\r\n\r\n\r\n[Sist]\r\nB=2\r\n");
}

TEST_F(SettingsTest, WritingAddsAMissingSectionAtTheEnd) {
    writeBytes(ini, "[Annat]\rA=1\r");
    SparaInstallningar(ini, "ny", {});
    EXPECT_EQ(readBytes(ini), "[Annat]\r\nA=1\r\n\r\n[Brisrundan]\r\nLast=ny\r\nB\xE5tar i M\xE5l=\r\n");
}
