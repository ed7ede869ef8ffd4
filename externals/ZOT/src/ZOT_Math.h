#ifndef ZOT_MathH
#define ZOT_MathH

// Numeric helpers that report invalid arguments through ZOT::Exception.

namespace ZOT {

/*! log10(x); throws for x <= 0. */
double f_log10(double x);
/*! 10^x; throws for exponents above 50. */
double f_pow10(double x);

} // namespace ZOT

#endif // ZOT_MathH
