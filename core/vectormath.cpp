#include "core/vectormath.h"

#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
// (Clang, which builds only the fuzz targets here, takes the scalar functions: it objects to
// the vector calling convention of the declarations below.)
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

namespace {

    // Runs `block` (which takes `width` values at a time and returns how many it took)
    // over all n values; the last few go through it too, in a padded copy, so that every
    // value meets the same function wherever it stands in the array.
    template <std::size_t width, class Block>
    void inBlocks(std::size_t n, const double *const *in, double *const *out, std::size_t ins,
        std::size_t outs, Block block)
    {
        const std::size_t done = block(in, out, n);
        if (done == n)
            return;
        double padIn[2][width] = {}, padOut[2][width] = {};
        const double *tailIn[2] = { padIn[0], padIn[1] };
        double *tailOut[2] = { padOut[0], padOut[1] };
        for (std::size_t k = 0; k < ins; ++k)
            for (std::size_t i = done; i < n; ++i)
                padIn[k][i - done] = in[k][i];
        block(tailIn, tailOut, width);
        for (std::size_t k = 0; k < outs; ++k)
            for (std::size_t i = done; i < n; ++i)
                out[k][i] = padOut[k][i - done];
    }

} // namespace

void sincos(const double *x, double *s, double *c, std::size_t n)
{
#ifdef DRAVON_VECTOR_MATH
    const double *in[2] = { x, nullptr };
    double *out[2] = { s, c };
    if (hasAvx512()) {
        inBlocks<8>(n, in, out, 1, 2, [](const double *const *i, double *const *o, std::size_t m) {
            return sincos8(i[0], o[0], o[1], m);
        });
        return;
    }
    if (hasAvx2()) {
        inBlocks<4>(n, in, out, 1, 2, [](const double *const *i, double *const *o, std::size_t m) {
            return sincos4(i[0], o[0], o[1], m);
        });
        return;
    }
#endif
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = std::sin(x[i]);
        c[i] = std::cos(x[i]);
    }
}

void atan2(const double *y, const double *x, double *out, std::size_t n)
{
#ifdef DRAVON_VECTOR_MATH
    const double *in[2] = { y, x };
    double *res[2] = { out, nullptr };
    if (hasAvx512()) {
        inBlocks<8>(n, in, res, 2, 1, [](const double *const *i, double *const *o, std::size_t m) {
            return atan2_8(i[0], i[1], o[0], m);
        });
        return;
    }
    if (hasAvx2()) {
        inBlocks<4>(n, in, res, 2, 1, [](const double *const *i, double *const *o, std::size_t m) {
            return atan2_4(i[0], i[1], o[0], m);
        });
        return;
    }
#endif
    for (std::size_t i = 0; i < n; ++i)
        out[i] = std::atan2(y[i], x[i]);
}

} // namespace vmath
