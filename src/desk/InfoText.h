#pragma once
#include <QString>

// The help page shown by "Hjälp / Info".
QString deskInfoText();
