#include "model/Concrete.h"

#include <cmath>
#include <utility>

CConcrete::CConcrete(std::string ConcreteName, double Ec, double fck, double ftk, double ac,
                     double at, double eck, double etk, double ecmax, double etmax)
    : ConcreteName(std::move(ConcreteName)),
      Ec(Ec),
      fck(fck),
      eck(eck),
      rhoc(fck / (Ec * eck)),
      nc((Ec * eck) / (Ec * eck - fck)),
      ac(ac),
      ecmax(ecmax),
      ftk(ftk),
      etk(etk),
      rhot(ftk / (Ec * etk)),
      at(at),
      etmax(etmax)
{
}

double CConcrete::CompressionDamage(double x) const
{
    if (x > 1)
        return 1 - rhoc / (ac * std::pow(x - 1, 2.0) + x);
    return 1 - (rhoc * nc) / (std::pow(x, nc) + (nc - 1));
}

double CConcrete::TensionDamage(double x) const
{
    if (x > 1)
        return 1 - rhot / (at * std::pow(x - 1, 1.7) + x);
    return 1 - rhot * (1.2 - 0.2 * std::pow(x, 5.0));
}

double CConcrete::CompressionStress(double strain) const
{
    return ((1 - CompressionDamage(strain / eck)) * Ec) * strain;
}

double CConcrete::TensionStress(double strain) const
{
    return ((1 - TensionDamage(strain / etk)) * Ec) * strain;
}
