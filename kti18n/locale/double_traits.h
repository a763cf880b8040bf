// zv_double_traits: floating-point classification and powers of ten for the
// number facets.
#ifndef KTI18N_LOCALE_DOUBLE_TRAITS_H
#define KTI18N_LOCALE_DOUBLE_TRAITS_H

struct zv_double_traits {
  // The C run-time classes of a double, one bit each.
  enum IeeeClass : int {
    kSignalingNaN = 1,
    kQuietNaN = 2,
    kNegativeInfinity = 4,
    kNegativeNormal = 8,
    kNegativeDenormal = 16,
    kNegativeZero = 32,
    kPositiveZero = 64,
    kPositiveDenormal = 128,
    kPositiveNormal = 256,
    kPositiveInfinity = 512,
  };

  static int GetIeeeClass(double value) noexcept;

  // kPowersOfTen[i] is the double nearest to 10^(i - 308), i = 0..616.
  static constexpr int kPowersOfTenCount = 617;
  static constexpr int kPowersOfTenBias = 308;
  static const double kPowersOfTen[kPowersOfTenCount];
};

#endif
