#pragma once
// An entry list from a spreadsheet or a club's register, read as the desk imports it: one boat a line,
// fields Namn, SegelId, BTyp, LysTal and, when the race starts in groups, Start/Klass. Nothing is written
// here; the desk asks before it adds anything.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace race_data {

struct ImportedEntry {
    int line = 0; // 1-based line of the file
    QString Namn;
    QString SegelId;
    QString BTyp;
    float LysTal = 0.0f;
    QString group; // the start group named in the fifth field; empty for none
};

enum class Refusal {
    TooManyFields,
    EmptyName,
    BadLysTal,
    SailIdInRace,
    SailIdTwice,
    UnclosedQuote,
};

struct RefusedLine {
    int line = 0;
    Refusal reason = Refusal::EmptyName;
    QString reasonText; // Swedish, as the desk shows it after the line number
};

// An accepted line whose texts the race file cannot keep as written: cut to their widths, a character
// Windows-1252 lacks as "?". Its entry holds the texts as they will be stored.
struct AdjustedLine {
    int line = 0;
    QString changes; // Swedish, as the desk shows it after the line number
};

struct EntryList {
    std::vector<ImportedEntry> entries; // in file order
    std::vector<RefusedLine> refused;   // in file order
    std::vector<AdjustedLine> adjusted; // in file order
};

constexpr float LowestLysTal = 0.50f;
constexpr float HighestLysTal = 2.50f;

// The separator (';', ',' or tab) is the one the first line holds most often outside quotes, ';' when
// none. A first line whose first field is "Namn" (any case) is a header. The bytes are UTF-8 (a byte
// order mark is dropped) or, when they are not valid UTF-8, Windows-1252. Lines whose fields are all
// blank are passed over, and so are blank fields after the fifth. Sail ids compare trimmed and
// regardless of case, as they will be stored; an empty sail id is never a duplicate. Only accepted lines
// claim their sail id.
EntryList parseEntryList(const QByteArray& bytes, const QStringList& sailIdsInRace);

} // namespace race_data
