#pragma once

#include <string>

#include "model/StrengthBasis.h"

// One defined concrete and the uniaxial damage law of GB 50010-2010, Appendix C.
// Strains are positive magnitudes in m/m for compression and tension alike,
// stresses and Ec in N/mm². The constructor sets every member of the law; the basis and δc
// only say which representative strengths fck and ftk are (characteristic unless set after).
class CConcrete {
public:
    CConcrete(std::string ConcreteName, double Ec, double fck, double ftk, double ac, double at,
              double eck, double etk, double ecmax, double etmax);

    double CompressionStress(double strain) const;
    double TensionStress(double strain) const;
    double CompressionDamage(double x) const;  // x = strain / eck
    double TensionDamage(double x) const;      // x = strain / etk
    double GetEcmax() const { return ecmax; }
    double GetEtmax() const { return etmax; }

    std::string ConcreteName;
    double Ec;
    double fck;
    double eck;
    double rhoc;
    double nc;
    double ac;
    double ecmax;
    double ftk;
    double etk;
    double rhot;
    double at;
    double etmax;

    // fck and ftk are fc,k and ft,k, fcm and ftm (from δc = cv), or fc and ft. The law does
    // not read these: they travel with the concrete into files and are shown beside it.
    StrengthBasis basis = StrengthBasis::Characteristic;
    double cv = 0;  // δc on a mean basis; 0 on the others
};
