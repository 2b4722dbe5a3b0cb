#include "core/vectormath.h"

#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define DRAVON_VECTOR_MATH 1
#endif

namespace vmath {

#ifdef DRAVON_VECTOR_MATH

// The AVX2 entry points of glibc's vector math library, by their vector-ABI names.
// Called only from functions compiled for AVX2, after the processor was asked.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
extern "C" {
__m256d _ZGVdN4v_sin(__m256d);
__m256d _ZGVdN4v_cos(__m256d);
__m256d _ZGVdN4vv_atan2(__m256d, __m256d);
__m512d _ZGVeN8v_sin(__m512d);
__m512d _ZGVeN8v_cos(__m512d);
__m512d _ZGVeN8vv_atan2(__m512d, __m512d);
}

namespace {

    bool hasAvx2()
    {
        static const bool yes = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
        return yes;
    }

    bool hasAvx512()
    {
        static const bool yes = __builtin_cpu_supports("avx512f");
        return yes;
    }

    [[gnu::target("avx512f")]] std::size_t sincos8(
        const double *x, double *s, double *c, std::size_t n)
    {
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            const __m512d v = _mm512_loadu_pd(x + i);
            _mm512_storeu_pd(s + i, _ZGVeN8v_sin(v));
            _mm512_storeu_pd(c + i, _ZGVeN8v_cos(v));
        }
        return i;
    }

    [[gnu::target("avx512f")]] std::size_t atan2_8(
        const double *y, const double *x, double *out, std::size_t n)
    {
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8)
            _mm512_storeu_pd(out + i, _ZGVeN8vv_atan2(_mm512_loadu_pd(y + i), _mm512_loadu_pd(x + i)));
        return i;
    }

    [[gnu::target("avx2,fma")]] std::size_t sincos4(
        const double *x, double *s, double *c, std::size_t n)
    {
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            const __m256d v = _mm256_loadu_pd(x + i);
            _mm256_storeu_pd(s + i, _ZGVdN4v_sin(v));
            _mm256_storeu_pd(c + i, _ZGVdN4v_cos(v));
        }
        return i;
    }

    [[gnu::target("avx2,fma")]] std::size_t atan2_4(
        const double *y, const double *x, double *out, std::size_t n)
    {
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4)
            _mm256_storeu_pd(out + i, _ZGVdN4vv_atan2(_mm256_loadu_pd(y + i), _mm256_loadu_pd(x + i)));
        return i;
    }

} // namespace
#pragma GCC diagnostic pop

#endif

void sincos(const double *x, double *s, double *c, std::size_t n)
{
    std::size_t i = 0;
#ifdef DRAVON_VECTOR_MATH
    if (hasAvx512())
        i = sincos8(x, s, c, n);
    if (hasAvx2())
        i += sincos4(x + i, s + i, c + i, n - i);
#endif
    for (; i < n; ++i) {
        s[i] = std::sin(x[i]);
        c[i] = std::cos(x[i]);
    }
}

void atan2(const double *y, const double *x, double *out, std::size_t n)
{
    std::size_t i = 0;
#ifdef DRAVON_VECTOR_MATH
    if (hasAvx512())
        i = atan2_8(y, x, out, n);
    if (hasAvx2())
        i += atan2_4(y + i, x + i, out + i, n - i);
#endif
    for (; i < n; ++i)
        out[i] = std::atan2(y[i], x[i]);
}

} // namespace vmath
