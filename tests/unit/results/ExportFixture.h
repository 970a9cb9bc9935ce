#pragma once
// A small race as the result window shows it after the officer's hand edit: the third boat was given
// "DNF" and a name with ';', quotes, '<' and '&'; a heading typed in.
#include "ResultExport.h"

inline results::ResultExport smallRaceExport() {
    results::ResultExport list;
    list.clubName = QStringLiteral("V å r   B å t k l u b b");
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
         QStringLiteral("1:50:00"), QStringLiteral("1,100"), QStringLiteral("2:01:00"), QStringLiteral("2"),
         QStringLiteral("2")},
        {QStringLiteral("<Rå> & \"R;V\" , S-3"), QStringLiteral("11:00:00"), QStringLiteral("--:--:--"),
         QString(), QStringLiteral("1,000"), QString(), QStringLiteral("DNF"), QStringLiteral("4")},
    };
    list.written = 38857.0 + 18.5 / 24; // 2006-05-20 18:30:00
    return list;
}
