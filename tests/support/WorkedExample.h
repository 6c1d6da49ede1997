#pragma once

// The concrete data file of two concretes, C30 and C50, as far as it is known by heart: its
// length and the excerpts below, each with the index of its first line.

#include <QList>
#include <QStringList>
#include <utility>

namespace worked {

// Field texts as a user types them; the three "(10-6)" strains in units of 10^-6.
struct Definition {
    const char* name;
    const char* Ec;
    const char* fck;
    const char* eck;
    const char* ac;
    const char* ecmax;
    const char* ftk;
    const char* etk;
    const char* at;
    const char* etmax;
};

inline constexpr Definition kC30{"C30",  "30000", "20.1", "1471", "0.75",
                                 "0.016", "2.01", "95",   "1.26", "700"};
inline constexpr Definition kC50{"C50",  "34500", "32.4", "1679", "1.5",
                                 "0.010", "2.64", "110",  "2.17", "600"};

inline constexpr int kLineCount = 442;

inline QList<std::pair<int, QStringList>> Excerpts()
{
    return {
        {0,
         {"ConcreteName,Ec[N/mm2],fck[N/mm2],eck[mm/mm],ac,ecmax[mm/mm],ftk[N/mm2],etk[mm/mm],"
          "at,etmax[mm/mm]",
          "C30,30000.00,20.10,1.471E-03,0.750,1.600E-02,2.01,9.500E-05,1.260,7.000E-04",
          "C50,34500.00,32.40,1.679E-03,1.500,1.000E-02,2.64,1.100E-04,2.170,6.000E-04", "",
          "Compression Curve", "Strain,C30,C50,", "0.000E+00,0.000,0.000,",
          "2.000E-04,5.822,6.857,", "4.000E-04,10.817,13.393,"}},
        // C50 ends at 0.01: the 51st accumulated strain equals it, so that row is empty for C50.
        {54,
         {"9.600E-03,4.457,4.738,", "9.800E-03,4.361,4.621,", "1.000E-02,4.269,,",
          "1.020E-02,4.180,,"}},
        {85,
         {"1.580E-02,2.636,,", "", "", "Tension Curve", "Strain,C30,C50,",
          "0.000E+00,0.000,0.000,", "2.000E-06,0.051,0.058,", "4.000E-06,0.102,0.115,"}},
        {440, {"", ""}},
    };
}

}  // namespace worked
