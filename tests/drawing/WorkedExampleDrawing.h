#pragma once

#include <QString>

// The command text of the worked example's drawing (two sections, 1.0 m at
// level 0 and 0.6 m at level 3, no loads shown), exactly as it must be written.
inline QString TexteDessinExempleChiffre()
{
    return QStringLiteral("REPERE\t255\r\nCOULEUR\t0\r\n"
                          "LIGNE\r\n0.000\t0.000\r\n1.000\t0.000\r\n"
                          "LIGNE\r\n0.000\t3.000\r\n0.600\t3.000\r\n"
                          "LIGNE\r\n0.000\t0.000\r\n0.000\t3.000\r\n"
                          "LIGNE\r\n1.000\t0.000\r\n0.600\t3.000\r\n"
                          "COULEUR\t16711680\r\nCOULEUR\t16711680\r\n");
}
