#include "EntryImport.h"
#include "ImportQuestion.h"
#include "RaceTime.h"

#include <gtest/gtest.h>

using namespace race_data;

namespace {

QByteArray utf8(const char8_t* text) {
    return QByteArray(reinterpret_cast<const char*>(text));
}

struct Boat {
    const char8_t* Namn;
    const char8_t* SegelId;
    const char8_t* BTyp;
    float LysTal;
};

void expectBoats(const EntryList& list, std::initializer_list<Boat> boats) {
    ASSERT_EQ(list.entries.size(), boats.size());
    std::size_t i = 0;
    for (const Boat& b : boats) {
        const ImportedEntry& e = list.entries[i++];
        EXPECT_EQ(e.Namn, QString::fromUtf8(utf8(b.Namn)));
        EXPECT_EQ(e.SegelId, QString::fromUtf8(utf8(b.SegelId)));
        EXPECT_EQ(e.BTyp, QString::fromUtf8(utf8(b.BTyp)));
        EXPECT_FLOAT_EQ(e.LysTal, b.LysTal);
    }
}

} // namespace

TEST(EntryImport, EachSeparatorLineEndAndHeaderGivesTheSameBoats) {
    const char8_t* files[] = {
        u8"Ägir;SWE-1;Folkbåt;1,05\r\nBris;S-2;IF;1.10\r\n",
        u8"namn;SegelId;BTyp;LysTal\nÄgir;SWE-1;Folkbåt;1,05\nBris;S-2;IF;1.10",
        u8"Ägir,SWE-1,Folkbåt,1.05\rBris,S-2,IF,\"1,10\"\r",
        u8"NAMN,Segel,Typ,Lys\r\nÄgir,SWE-1,Folkbåt,\"1,05\"\r\nBris,S-2,IF,1.10\r\n",
        u8"Ägir\tSWE-1\tFolkbåt\t1,05\nBris\tS-2\tIF\t1,10\n",
        u8"Namn\tSegelId\tBTyp\tLysTal\r\n Ägir \t SWE-1\tFolkbåt\t 1,05 \r\nBris\tS-2\tIF\t1,10",
        u8"Namn;SegelId;BTyp;SRS\nÄgir;SWE-1;Folkbåt;1,050\nBris;S-2;IF;1.100",
        u8"Namn;SegelId;BTyp;SRS-tal\nÄgir;SWE-1;Folkbåt;1,050\nBris;S-2;IF;1,1",
    };
    for (const char8_t* file : files) {
        SCOPED_TRACE(reinterpret_cast<const char*>(file));
        const EntryList list = parseEntryList(utf8(file), {});
        EXPECT_TRUE(list.refused.empty());
        expectBoats(list, {{u8"Ägir", u8"SWE-1", u8"Folkbåt", 1.05f}, {u8"Bris", u8"S-2", u8"IF", 1.10f}});
        EXPECT_EQ(list.entries.back().line, list.entries.front().line + 1);
    }
}

TEST(EntryImport, TheFirstLineDecidesTheSeparatorByCount) {
    // A name holding a comma in a ';' file, and a quoted ';' in a ',' file.
    expectBoats(parseEntryList(utf8(u8"Andersson, Per;S-1;IF;1,00\n"), {}),
                {{u8"Andersson, Per", u8"S-1", u8"IF", 1.0f}});
    expectBoats(parseEntryList(utf8(u8"\"A;B\",S-1,IF,1.00\n"), {}), {{u8"A;B", u8"S-1", u8"IF", 1.0f}});
}

TEST(EntryImport, ReadsUtf8WithAndWithoutByteOrderMarkAndWindows1252) {
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray cp1252("Namn;SegelId;BTyp;LysTal\r\n\xC5sa \xD6rn;S-\xE5;B\xE5t;1,00\r\n");
    for (const QByteArray& bytes : {bom + utf8(u8"Namn;SegelId;BTyp;LysTal\r\nÅsa Örn;S-å;Båt;1,00\r\n"),
                                    utf8(u8"Namn;SegelId;BTyp;LysTal\r\nÅsa Örn;S-å;Båt;1,00\r\n"), cp1252}) {
        const EntryList list = parseEntryList(bytes, {});
        EXPECT_TRUE(list.refused.empty());
        expectBoats(list, {{u8"Åsa Örn", u8"S-å", u8"Båt", 1.0f}});
        EXPECT_EQ(list.entries.front().line, 2);
    }
}

TEST(EntryImport, EveryRefusalNamesItsLineAndReason) {
    const QByteArray file = utf8(u8"Namn;SegelId;BTyp;LysTal\n"
                                 u8"Ägir;SWE-1;Folkbåt;1,05\n"      // 2: accepted
                                 u8"  ;S-3;IF;1,00\n"               // 3: empty name
                                 u8"Bris;S-4;IF;\n"                 // 4: no LysTal
                                 u8"Vind;S-5;IF;abc\n"              // 5: not a number
                                 u8"Låg;S-6;IF;0,49\n"              // 6: below the range
                                 u8"Hög;S-7;IF;2.51\n"              // 7: above the range
                                 u8"Gammal; s-100 ;IF;1,00\n"       // 8: in the race already
                                 u8"Tvilling;swe-1;IF;1,00\n"       // 9: twice in the file
                                 u8"Lång;S-10;IF;1,00;A;extra\n"    // 10: too many fields
                                 u8"\"Öppen;S-11;IF;1,00\n"         // 11: a quote never closed
                                 u8"Kant;S-12;IF;0,50\n"            // 12: accepted, lowest
                                 u8"Kant2;;IF;2,50\n"               // 13: accepted, highest, no sail id
                                 u8"Kant3;;IF;1,00;;\n"             // 14: accepted, blank cells after
                                 u8"Grupp;S-15;IF;1,00; SRS B \n"); // 15: accepted, in a start group
    const EntryList list = parseEntryList(file, {QStringLiteral("S-100"), QStringLiteral("S-200")});
    const std::pair<int, Refusal> refused[] = {
        {3, Refusal::EmptyName},   {4, Refusal::BadLysTal},      {5, Refusal::BadLysTal},
        {6, Refusal::BadLysTal},   {7, Refusal::BadLysTal},      {8, Refusal::SailIdInRace},
        {9, Refusal::SailIdTwice}, {10, Refusal::TooManyFields}, {11, Refusal::UnclosedQuote},
    };
    ASSERT_EQ(list.refused.size(), std::size(refused));
    for (std::size_t i = 0; i < list.refused.size(); ++i) {
        EXPECT_EQ(list.refused[i].line, refused[i].first) << i;
        EXPECT_EQ(list.refused[i].reason, refused[i].second) << i;
    }
    EXPECT_EQ(list.refused[0].reasonText, QStringLiteral("namnet är tomt"));
    EXPECT_EQ(list.refused[2].reasonText,
              QStringLiteral("SRS \"abc\" är inte ett tal mellan 0,500 och 2,500"));
    EXPECT_EQ(list.refused[5].reasonText, QStringLiteral("SegelId s-100 finns redan i tävlingen"));
    EXPECT_EQ(list.refused[6].reasonText, QStringLiteral("SegelId swe-1 finns redan på rad 2"));
    EXPECT_EQ(list.refused[7].reasonText, QStringLiteral("för många fält (6, högst 5)"));
    EXPECT_EQ(list.refused[8].reasonText, QStringLiteral("citattecken utan slut"));

    std::vector<int> accepted;
    for (const ImportedEntry& e : list.entries)
        accepted.push_back(e.line);
    EXPECT_EQ(accepted, (std::vector<int>{2, 12, 13, 14, 15}));
    EXPECT_EQ(list.entries.back().group, QStringLiteral("SRS B"));
    EXPECT_EQ(list.entries.front().group, QString());
}

TEST(EntryImport, OnlyAcceptedLinesClaimTheirSailIdAndBlankLinesArePassedOver) {
    const EntryList list =
        parseEntryList(utf8(u8"Ett;S-1;IF;9\n\n;;;\nTvå;S-1;IF;1\n;\nTre;;IF;1\nFyra;;IF;1\n"), {});
    ASSERT_EQ(list.refused.size(), 1u);
    EXPECT_EQ(list.refused[0].line, 1);
    expectBoats(
        list,
        {{u8"Två", u8"S-1", u8"IF", 1.0f}, {u8"Tre", u8"", u8"IF", 1.0f}, {u8"Fyra", u8"", u8"IF", 1.0f}});
    EXPECT_EQ(list.entries[0].line, 4);
}

TEST(EntryImport, EmptyFilesGiveNothing) {
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("\r\n\r\n"),
                                    QByteArray("Namn;SegelId;BTyp;LysTal\r\n")}) {
        const EntryList list = parseEntryList(bytes, {});
        EXPECT_TRUE(list.entries.empty());
        EXPECT_TRUE(list.refused.empty());
    }
}

TEST(ImportQuestion, ListsAtMostFifteenRefusedLines) {
    QByteArray file;
    for (int i = 1; i <= 20; ++i)
        file += "Båt;S-" + QByteArray::number(i) + ";IF;0\n";
    const QStringList lines = importQuestion(parseEntryList(file, {}), QStringLiteral("Höst")).split("\r\n");
    EXPECT_EQ(lines.filter(QStringLiteral("Rad ")).size(), ListedRefusals);
    EXPECT_EQ(lines.back(), QStringLiteral("... och 5 till"));
}

// Texts the race file cannot keep are cut or get "?" as a save would store them, and the sail id is
// matched as stored: a long id cut to another boat's is a duplicate.
TEST(ImportQuestion, SaysWhichTextsAreStoredCutOrWithQuestionMarks) {
    const EntryList list = parseEntryList(
        utf8(u8"Łukasz;S-1;IF;1\nSjörövar-Anna från Västervik;SWE-123456789;IF;1\nBo;SWE-1234567;IF;1\n"),
        {});
    expectBoats(list, {{u8"?ukasz", u8"S-1", u8"IF", 1.0f},
                       {u8"Sjörövar-Anna från V", u8"SWE-123456", u8"IF", 1.0f}});
    EXPECT_EQ(importQuestion(list, QStringLiteral("Höst")),
              QStringLiteral("2 båtar läggs till i Höst.\r\n\r\n"
                             "1 rad tas inte med:\r\n"
                             "Rad 3: SegelId SWE-123456 finns redan på rad 2\r\n\r\n"
                             "2 rader sparas inte exakt som i filen (för långa texter kortas, och tecken som "
                             "inte kan sparas blir ?):\r\n"
                             "Rad 1: Namn \"Łukasz\" blir \"?ukasz\"\r\n"
                             "Rad 2: Namn \"Sjörövar-Anna från Västervik\" blir \"Sjörövar-Anna från V\", "
                             "Segel Id \"SWE-123456789\" blir \"SWE-123456\"\r\n\r\n"
                             "Vill du lägga till dem?"));
}

TEST(EntryImport, RatingsWithThreeDecimalsAreKept) {
    const EntryList list = parseEntryList(utf8(u8"Namn;SegelId;BTyp;SRS\nÄgir;SWE-1;Folkbåt;1,045\n"), {});
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(timing::lysTalText(list.entries[0].LysTal), QStringLiteral("1,045"));
}
