#include "EntryImport.h"

#include "Cp1252.h"
#include "CsvText.h"
#include "DeltagarPost.h"
#include "RaceTime.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace race_data {

namespace {

constexpr int EntryFields = 5; // Namn, SegelId, BTyp, LysTal and the start group, which may be left out

// UTF-8 without its byte order mark (the decoder drops it), or Windows-1252 when not valid UTF-8.
QString decodeEntryText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

QChar separatorOf(QStringView text) {
    const auto lineEnd =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    const QStringView first = text.left(lineEnd - text.begin());
    std::array<std::pair<QChar, int>, 3> counts{{{u';', 0}, {u'\t', 0}, {u',', 0}}};
    bool quoted = false;
    for (const QChar c : first) {
        if (c == u'"') quoted = !quoted;
        if (quoted) continue;
        for (auto& [separator, count] : counts)
            if (c == separator) ++count;
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > best->second) best = it;
    return best->first;
}

bool allBlank(const QStringList& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

QString lysTalRange() {
    return timing::lysTalText(LowestLysTal) + QStringLiteral(" och ") + timing::lysTalText(HighestLysTal);
}

// Gives the entry its texts as the race file will keep them; says which changed, or nothing.
QString keepAsStored(ImportedEntry& entry) {
    struct Field {
        QString label;
        QString* text;
        int width;
    };
    QStringList changes;
    for (const Field& f : {Field{QStringLiteral("Namn"), &entry.Namn, NamnWidth},
                           Field{QStringLiteral("Segel Id"), &entry.SegelId, SegelIdWidth},
                           Field{QStringLiteral("BåtTyp"), &entry.BTyp, BTypWidth}}) {
        const QString stored = storedText(*f.text, f.width).trimmed();
        if (stored == *f.text) continue;
        changes << QStringLiteral("%1 \"%2\" blir \"%3\"").arg(f.label, *f.text, stored);
        *f.text = stored;
    }
    return changes.join(QStringLiteral(", "));
}

// Reads one line's fields into an entry, or says why the line is refused.
class LineChecker {
public:
    explicit LineChecker(const QStringList& sailIdsInRace) {
        for (const QString& id : sailIdsInRace)
            inRace_.insert(key(id));
    }

    void check(const csv::Record& record, EntryList& list) {
        const auto refuse = [&](Refusal reason, const QString& text) {
            list.refused.push_back({record.line, reason, text});
        };
        if (record.unclosedQuote)
            return refuse(Refusal::UnclosedQuote, QStringLiteral("citattecken utan slut"));
        QStringList f = record.fields;
        // Blank cells right of the list, as a wider spreadsheet writes them, are no fields.
        while (f.size() > EntryFields && f.last().trimmed().isEmpty())
            f.removeLast();
        if (f.size() > EntryFields)
            return refuse(Refusal::TooManyFields,
                          QStringLiteral("för många fält (%1, högst %2)").arg(f.size()).arg(EntryFields));
        ImportedEntry entry{record.line, field(f, 0), field(f, 1), field(f, 2), 0.0f, field(f, 4)};
        if (entry.Namn.isEmpty()) return refuse(Refusal::EmptyName, QStringLiteral("namnet är tomt"));
        const QString lysText = field(f, 3);
        const std::optional<float> lys = timing::readLysTal(lysText);
        if (!lys || !(*lys >= LowestLysTal && *lys <= HighestLysTal))
            return refuse(Refusal::BadLysTal,
                          QStringLiteral("SRS \"%1\" är inte ett tal mellan %2").arg(lysText, lysTalRange()));
        entry.LysTal = *lys;
        const QString changes = keepAsStored(entry);
        const QString id = key(entry.SegelId);
        if (!id.isEmpty() && inRace_.contains(id))
            return refuse(Refusal::SailIdInRace,
                          QStringLiteral("SegelId %1 finns redan i tävlingen").arg(entry.SegelId));
        if (!id.isEmpty() && inFile_.contains(id))
            return refuse(
                Refusal::SailIdTwice,
                QStringLiteral("SegelId %1 finns redan på rad %2").arg(entry.SegelId).arg(inFile_.value(id)));
        if (!id.isEmpty()) inFile_.insert(id, record.line);
        list.entries.push_back(entry);
        if (!changes.isEmpty()) list.adjusted.push_back({record.line, changes});
    }

private:
    static QString field(const QStringList& fields, qsizetype i) {
        return i < fields.size() ? fields[i].trimmed() : QString();
    }
    static QString key(const QString& sailId) { return sailId.trimmed().toCaseFolded(); }

    QSet<QString> inRace_;
    QHash<QString, int> inFile_; // sail id -> the line that claimed it
};

} // namespace

EntryList parseEntryList(const QByteArray& bytes, const QStringList& sailIdsInRace) {
    const QString text = decodeEntryText(bytes);
    std::vector<csv::Record> records = csv::records(text, separatorOf(text));
    EntryList list;
    LineChecker checker(sailIdsInRace);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const csv::Record& record = records[i];
        const bool header = i == 0 && !record.fields.isEmpty() &&
                            record.fields.first().trimmed().compare(u"Namn", Qt::CaseInsensitive) == 0;
        if (header || (!record.unclosedQuote && allBlank(record.fields))) continue;
        checker.check(record, list);
    }
    return list;
}

} // namespace race_data
