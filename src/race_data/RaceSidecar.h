#pragma once
// NAME.json beside NAME.dat: what the race file and the comment file cannot hold (the boats' scoring
// codes, the finish queue's order), so that the race file keeps its format and an older desk still reads it.
// UTF-8 JSON with a format number, replaced whole like the settings file.
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace race_data {

struct RaceSidecar {
    std::map<int, QString> codes; // record number -> "DNF", "DSQ", ...
    std::vector<int> queue;       // the finish queue's record numbers in the order they were queued
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
