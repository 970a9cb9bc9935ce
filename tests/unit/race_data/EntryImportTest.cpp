#include "EntryImport.h"
#include "ImportQuestion.h"
#include "RaceTime.h"

#include <gtest/gtest.h>

using namespace race_data;

namespace {

// The accepted boats as "Namn|SegelId|BTyp|LysTal", the rating with the desk's three decimals.
QStringList boats(const EntryList& list) {
    QStringList shown;
    for (const ImportedEntry& e : list.entries)
        shown << QStringList{e.Namn, e.SegelId, e.BTyp, timing::lysTalText(e.LysTal)}.join('|');
    return shown;
}

QStringList refusals(const EntryList& list) {
    QStringList shown;
    for (const RefusedLine& r : list.refused)
        shown << QString::number(r.line) + ": " + r.reasonText;
    return shown;
}

} // namespace

TEST(EntryImport, EachSeparatorLineEndAndHeaderGivesTheSameBoats) {
    const char* files[] = {
        "Ägir;SWE-1;Folkbåt;1,05\r\nBris;S-2;IF;1.10\r\n",
        "namn;SegelId;BTyp;LysTal\nÄgir;SWE-1;Folkbåt;1,05\nBris;S-2;IF;1.10",
        "Ägir,SWE-1,Folkbåt,1.05\rBris,S-2,IF,\"1,10\"\r",
        "NAMN,Segel,Typ,Lys\r\nÄgir,SWE-1,Folkbåt,\"1,05\"\r\nBris,S-2,IF,1.10\r\n",
        "Namn\tSegelId\tBTyp\tLysTal\r\n Ägir \t SWE-1\tFolkbåt\t 1,05 \r\nBris\tS-2\tIF\t1,10",
        "Namn;SegelId;BTyp;SRS\nÄgir;SWE-1;Folkbåt;1,050\nBris;S-2;IF;1.100",
        "Namn;SegelId;BTyp;SRS-tal\nÄgir;SWE-1;Folkbåt;1,050\nBris;S-2;IF;1,1",
    };
    for (const char* file : files) {
        const EntryList list = parseEntryList(file, {});
        EXPECT_TRUE(list.refused.empty()) << file;
        EXPECT_EQ(boats(list).join(' '), "Ägir|SWE-1|Folkbåt|1,050 Bris|S-2|IF|1,100") << file;
        EXPECT_EQ(list.entries.back().line, list.entries.front().line + 1) << file;
    }
}

// The first line's counts decide the separator; UTF-8 with or without its mark and Windows-1252 all read.
TEST(EntryImport, SeparatorByCountAndEveryEncoding) {
    EXPECT_EQ(boats(parseEntryList("Andersson, Per;S-1;IF;1,045\n", {})),
              QStringList{"Andersson, Per|S-1|IF|1,045"});
    EXPECT_EQ(boats(parseEntryList("\"A;B\",S-1,IF,1.00\n", {})), QStringList{"A;B|S-1|IF|1,000"});
    const QByteArray utf8("Namn;SegelId;BTyp;LysTal\r\nÅsa Örn;S-å;Båt;1,00\r\n");
    for (const QByteArray& bytes :
         {"\xEF\xBB\xBF" + utf8, utf8,
          QByteArray("Namn;SegelId;BTyp;LysTal\r\n\xC5sa \xD6rn;S-\xE5;B\xE5t;1,00\r\n")}) {
        const EntryList list = parseEntryList(bytes, {});
        EXPECT_EQ(boats(list), QStringList{"Åsa Örn|S-å|Båt|1,000"});
        EXPECT_EQ(list.entries.at(0).line, 2);
    }
}

TEST(EntryImport, EveryRefusalNamesItsLineAndReason) {
    const EntryList list = parseEntryList("Namn;SegelId;BTyp;LysTal\n"
                                          "Ägir;SWE-1;Folkbåt;1,05\n"    // accepted
                                          "  ;S-3;IF;1,00\n"             // empty name
                                          "Bris;S-4;IF;\n"               // no LysTal
                                          "Vind;S-5;IF;abc\n"            // not a number
                                          "Låg;S-6;IF;0,49\n"            // below the range
                                          "Hög;S-7;IF;2.51\n"            // above the range
                                          "Gammal; s-100 ;IF;1,00\n"     // in the race already
                                          "Tvilling;swe-1;IF;1,00\n"     // twice in the file
                                          "Lång;S-10;IF;1,00;A;extra\n"  // too many fields
                                          "\"Öppen;S-11;IF;1,00\n"       // a quote never closed
                                          "Kant;S-12;IF;0,50\n"          // accepted, lowest
                                          "Kant2;;IF;2,50\n"             // accepted, highest, no sail id
                                          "Kant3;;IF;1,00;;\n"           // accepted, blank cells after
                                          "Grupp;S-15;IF;1,00; SRS B \n" // accepted, in a start group
                                          "\n;;;\n;\nFri;S-4;IF;1,00\n", // blank lines; a refused line's id
                                          {"S-100", "S-200"});
    EXPECT_EQ(
        refusals(list),
        (QStringList{"3: namnet är tomt", "4: SRS \"\" är inte ett tal mellan 0,500 och 2,500",
                     "5: SRS \"abc\" är inte ett tal mellan 0,500 och 2,500",
                     "6: SRS \"0,49\" är inte ett tal mellan 0,500 och 2,500",
                     "7: SRS \"2.51\" är inte ett tal mellan 0,500 och 2,500",
                     "8: SegelId s-100 finns redan i tävlingen", "9: SegelId swe-1 finns redan på rad 2",
                     "10: för många fält (6, högst 5)", "11: citattecken utan slut"}));
    ASSERT_EQ(list.entries.size(), 6u);
    EXPECT_EQ(list.entries.front().group + "|" + list.entries[4].group + "|" + boats(list).back(),
              "|SRS B|Fri|S-4|IF|1,000");
    EXPECT_EQ(list.entries.back().line, 19);
}

// The sail id is matched as stored: a long id cut to another boat's is a duplicate.
TEST(ImportQuestion, SaysWhichTextsAreStoredCutOrWithQuestionMarks) {
    const EntryList list = parseEntryList(
        "Łukasz;S-1;IF;1\nSjörövar-Anna från Västervik;SWE-123456789;IF;1\nBo;SWE-1234567;IF;1\n", {});
    EXPECT_EQ(boats(list), (QStringList{"?ukasz|S-1|IF|1,000", "Sjörövar-Anna från V|SWE-123456|IF|1,000"}));
    EXPECT_EQ(importQuestion(list, "Höst"),
              "2 båtar läggs till i Höst.\r\n\r\n"
              "1 rad tas inte med:\r\n"
              "Rad 3: SegelId SWE-123456 finns redan på rad 2\r\n\r\n"
              "2 rader sparas inte exakt som i filen (för långa texter kortas, och tecken som "
              "inte kan sparas blir ?):\r\n"
              "Rad 1: Namn \"Łukasz\" blir \"?ukasz\"\r\n"
              "Rad 2: Namn \"Sjörövar-Anna från Västervik\" blir \"Sjörövar-Anna från V\", "
              "Segel Id \"SWE-123456789\" blir \"SWE-123456\"\r\n\r\n"
              "Vill du lägga till dem?");
}
