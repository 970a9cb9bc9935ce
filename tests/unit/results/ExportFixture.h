#pragma once
// A small race as the result window shows it after the officer's hand corrections: Kajsa's finish was
// corrected to 12:41:00, which ties her with Ägir for second place ("2=", points shared); the fourth boat
// was given "DNF" and a name with ';', quotes, '<' and '&'. A club name and a heading typed in; the
// list is not yet final.
#include "ResultExport.h"

inline results::ResultExport smallRaceExport() {
    results::ResultExport list;
    list.clubName = QStringLiteral("Segelsällskapet Brisen");
    list.heading = QStringLiteral("Brisrundan 2006 – \"Sommar\" <final> & pris");
    list.rows = {
        {QStringLiteral("Tävling 2006-05-20  mellan"),
         QStringLiteral("maj-20"),
         QStringLiteral("maj-20"),
         {},
         {},
         {},
         {},
         {}},
        {},
        {QStringLiteral("Blå Måsen , S-7"), QStringLiteral("11:00:00"), QStringLiteral("13:05:10"),
         QStringLiteral("2:05:10"), QStringLiteral("0,950"), QStringLiteral("1:58:55"), QStringLiteral("1"),
         QStringLiteral("1")},
        {QStringLiteral("Ägir , SWE-101"), QStringLiteral("11:00:00"), QStringLiteral("12:50:00"),
         QStringLiteral("1:50:00"), QStringLiteral("1,100"), QStringLiteral("2:01:00"), QStringLiteral("2="),
         QStringLiteral("2,5")},
        {QStringLiteral("Kajsa , S-12"), QStringLiteral("11:00:00"), QStringLiteral("12:41:00"),
         QStringLiteral("1:41:00"), QStringLiteral("1,198"), QStringLiteral("2:01:00"), QStringLiteral("2="),
         QStringLiteral("2,5")},
        {QStringLiteral("<Rå> & \"R;V\" , S-3"), QStringLiteral("11:00:00"), QStringLiteral("--:--:--"),
         QString(), QStringLiteral("1,000"), QString(), QStringLiteral("DNF"), QStringLiteral("5")},
    };
    list.written = 38857.0 + 18.5 / 24; // 2006-05-20 18:30:00
    return list;
}

// The same boats in a race of start groups with "Totalt" ticked: Blå Måsen and Ägir in "SRS A", the
// fourth boat in "Flerskrov" not yet started, then Ägir again in "Totalt".
inline results::ResultExport groupedRaceExport() {
    results::ResultExport list = smallRaceExport();
    const std::vector<results::ResultatRad> rows = list.rows;
    const results::RowSection a{QStringLiteral("SRS A")}, f{QStringLiteral("Flerskrov")},
        t{QStringLiteral("Totalt"), false, true};
    const auto heading = [](results::RowSection s) {
        s.heading = true;
        return s;
    };
    list.rows = {rows[0],
                 rows[1],
                 {QStringLiteral("SRS A  start 11:00:00")},
                 rows[2],
                 rows[3],
                 {QStringLiteral("Flerskrov  ej startad")},
                 rows[5],
                 {QStringLiteral("Totalt")},
                 rows[3]};
    list.sections = {{}, {}, heading(a), a, a, heading(f), f, heading(t), t};
    return list;
}
