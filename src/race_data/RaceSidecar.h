#pragma once
// NAME.json beside NAME.dat: what the race file and the comment file cannot hold (the boats' scoring
// codes, the finish queue's order, the result list's own texts, the start groups), so that the race file
// keeps its format and an older desk still reads it. UTF-8 JSON with a format number, replaced whole like the
// settings file.
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace race_data {

// A cell of the result list corrected by hand, with what the list showed there when it was corrected,
// so that a later change to the boat's row can be noticed.
struct CellCorrection {
    QString computed;
    QString text;
    bool operator==(const CellCorrection&) const = default;
};

struct ResultText {
    std::optional<QString> club; // none: the settings' default club is shown
    QString heading;             // empty: the race's name and date stand as heading
    bool final = false;
    bool total = false; // a race of several start groups also lists all boats ranked together
    // A row by its key in the result list (a boat's record number; 0 and -1 for the rows above the boats)
    // -> column -> correction.
    std::map<int, std::map<int, CellCorrection>> corrections;
    bool operator==(const ResultText&) const = default;
};

// Start groups: each boat starts with its group ("SRS A", "Flerskrov"). A boat not in any named group
// belongs to the one unnamed group, which is all a race without groups has.
struct StartGroups {
    std::vector<QString> order;     // the named groups in the order the officer made them
    std::map<int, QString> groupOf; // record number -> group name
    bool operator==(const StartGroups&) const = default;
};

struct RaceSidecar {
    std::map<int, QString> codes; // record number -> "DNF", "DSQ", ...
    std::vector<int> queue;       // the finish queue's record numbers in the order they were queued
    ResultText result;
    StartGroups groups;
};

struct SidecarRead {
    RaceSidecar sidecar;
    QString problem; // empty, or what could not be read of a damaged file
};

QString sidecarFileName(const QString& dataFil);

// A missing file is an empty sidecar and no problem; a damaged one gives what could be read and says
// what could not. Never throws.
SidecarRead readSidecar(const QString& dataFil);
// Writes the file whole through a temporary file, flushed and renamed over the old one. Throws a
// RuntimeError naming the file and the reason.
void writeSidecar(const QString& dataFil, const RaceSidecar& sidecar);

} // namespace race_data
