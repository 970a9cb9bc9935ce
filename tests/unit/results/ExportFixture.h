#pragma once
// A small race after hand corrections: a tie for second ("2="), a DNF whose name holds ';', quotes, '<'
// and '&', a typed club and heading.
#include "ResultExport.h"

inline results::ResultExport smallRaceExport() {
    results::ResultExport list;
    list.clubName = "Segelsällskapet Brisen";
    list.heading = "Brisrundan 2006 – \"Sommar\" <final> & pris";
    list.rows = {
        {"Tävling 2006-05-20  mellan", "maj-20", "maj-20"},
        {},
        {"Blå Måsen , S-7", "11:00:00", "13:05:10", "2:05:10", "0,950", "1:58:55", "1", "1"},
        {"Ägir , SWE-101", "11:00:00", "12:50:00", "1:50:00", "1,100", "2:01:00", "2=", "2,5"},
        {"Kajsa , S-12", "11:00:00", "12:41:00", "1:41:00", "1,198", "2:01:00", "2=", "2,5"},
        {"<Rå> & \"R;V\" , S-3", "11:00:00", "--:--:--", "", "1,000", "", "DNF", "5"},
    };
    list.written = 38857.0 + 18.5 / 24; // 2006-05-20 18:30:00
    return list;
}

// The same boats in start groups, with Totalt ticked.
inline results::ResultExport groupedRaceExport() {
    results::ResultExport list = smallRaceExport();
    const std::vector<results::ResultatRad> rows = list.rows;
    list.rows = {rows[0], rows[1],    {"SRS A  start 11:00:00"},
                 rows[2], rows[3],    {"Flerskrov  ej startad"},
                 rows[5], {"Totalt"}, rows[3]};
    const results::RowSection a{"SRS A"}, f{"Flerskrov"}, t{"Totalt", false, true};
    list.sections = {{}, {}, {"SRS A", true}, a, a, {"Flerskrov", true}, f, {"Totalt", true, true}, t};
    return list;
}
