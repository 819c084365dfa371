#include "engine/TextScan.h"

#include <windows.h>
#include <emmintrin.h>
#include <stdint.h>
#include <string.h>

namespace {

bool HasSse2()
{
    static const bool present = IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != 0;
    return present;
}

// Bit i set where byte i of the sixteen at p equals c (an unaligned load).
__attribute__((target("sse2"))) unsigned MatchesAt(const char* p, __m128i wanted)
{
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
}

__attribute__((target("sse2"))) const char* FindWide(const char* from, const char* end, char c)
{
    const __m128i wanted = _mm_set1_epi8(c);
    for (; end - from >= 16; from += 16)
    {
        if (unsigned matches = MatchesAt(from, wanted))
            return from + __builtin_ctz(matches);
    }
    for (; from < end; ++from)
    {
        if (*from == c)
            return from;
    }
    return nullptr;
}

// Reads whole aligned blocks of sixteen: such a block never reaches into the
// next page, so reading past the final NUL inside it is safe. Bytes of the
// first block that lie before text are masked out.
__attribute__((target("sse2"))) const char* FindOrEndWide(const char* text, char c)
{
    const __m128i wanted = _mm_set1_epi8(c);
    const __m128i nul = _mm_setzero_si128();
    unsigned skip = static_cast<unsigned>(reinterpret_cast<uintptr_t>(text) & 15);
    const char* block = text - skip;
    unsigned matches = ~0u << skip;
    for (;;)
    {
        __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(block));
        __m128i found = _mm_or_si128(_mm_cmpeq_epi8(bytes, wanted), _mm_cmpeq_epi8(bytes, nul));
        matches &= static_cast<unsigned>(_mm_movemask_epi8(found));
        if (matches)
            return block + __builtin_ctz(matches);
        block += 16;
        matches = ~0u;
    }
}

} // namespace

const char* TextFind(const char* from, const char* end, char c)
{
    if (HasSse2())
        return FindWide(from, end, c);
    return static_cast<const char*>(memchr(from, c, end - from));
}

const char* TextFindOrEnd(const char* text, char c)
{
    if (HasSse2())
        return FindOrEndWide(text, c);
    while (*text && *text != c)
        ++text;
    return text;
}
