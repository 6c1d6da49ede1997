#pragma once

#include <string>

// One defined concrete and the uniaxial damage law of GB 50010-2010, Appendix C.
// Strains are positive magnitudes in m/m for compression and tension alike,
// stresses and Ec in N/mm². Every member is set once by the constructor.
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
};
