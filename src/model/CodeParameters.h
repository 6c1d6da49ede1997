#pragma once

// Parameters that GB 50010-2010 derives from the strength grade fcu,k (N/mm²).
// Every argument must be greater than zero; the callers see to it.
double CalcEc(double fcu);   // modulus of elasticity, N/mm²
double CalcFck(double fcu);  // characteristic axial compressive strength, N/mm²
double CalcFtk(double fcu);  // characteristic axial tensile strength, N/mm²
double CalcEck(double fck);  // strain at peak compressive stress, m/m
double CalcAc(double fck);   // shape parameter of the compressive descending branch
double CalcEtk(double ftk);  // strain at peak tensile stress, m/m
double CalcAt(double ftk);   // shape parameter of the tensile descending branch

// Design strengths of Table 4.1.4 (N/mm²), for curves built on design values.
// fc = fc,k / γc with the unrounded fc,k, which gives the table's fc for every listed grade.
double CalcFc(double fcu);
// ft from the design table itself (the quotient ft,k / 1.4 misses it by one in the last digit
// for some grades), interpolated between grades as ft,k is in its own table; ft,k / 1.4 below
// C15 and above C80.
double CalcFt(double fcu);

// The material partial factor of concrete, γc.
inline constexpr double kConcretePartialFactor = 1.4;
