// Sine, cosine and arc tangent of whole arrays of doubles: four values per instruction
// through the C library's vector math (libmvec) where the processor has AVX2 (eight with
// AVX-512), one by one through the scalar functions elsewhere. The vector functions are accurate to a few
// units in the last place but not always equal to the scalar ones, so the results may
// differ in the last digits between processors; nothing that must repeat the digits of
// the results table uses them. On one processor a value always gives the same result,
// wherever it stands in the array.
#pragma once

#include <cstddef>

namespace vmath {

// s[i] = sin(x[i]), c[i] = cos(x[i]) for i < n.
void sincos(const double *x, double *s, double *c, std::size_t n);

// out[i] = atan2(y[i], x[i]) for i < n.
void atan2(const double *y, const double *x, double *out, std::size_t n);

} // namespace vmath
