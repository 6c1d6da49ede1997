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
