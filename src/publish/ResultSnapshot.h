#pragma once
// What the desk publishes on the club's network, built once per change of the race from the result list
// and served as it stands until the next change: the web page, the rows as JSON and as CSV.
#include "ResultExport.h"

#include <QByteArray>
#include <memory>

namespace publish {

struct ResultSnapshot {
    quint64 version = 0; // grows with every change; the page compares it to know when to reload
    QByteArray page;     // the result page with a small script that keeps it up to date
    // {"version", "uppdaterad", "rubrik", "klubb", "slutlig", "rader": [{column: text}]}; with start groups
    // each row also names its group (or "Totalt") as "Startgrupp".
    QByteArray json;
    QByteArray csv;
};

// "Uppdaterad kl 14:32:05" from the list's clock reading.
QString updatedLine(const results::ResultExport& list);

std::shared_ptr<const ResultSnapshot> makeSnapshot(const results::ResultExport& list, quint64 version);

} // namespace publish
