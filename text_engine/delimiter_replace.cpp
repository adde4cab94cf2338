#include "text_engine/delimiter_replace.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <tmmintrin.h>
#define FIELDIZER_SSSE3_DISPATCH 1
#endif

namespace fieldizer {
namespace {

// Copies the bytes [from, to) of a 16-byte block. With room enough on both
// sides one unaligned 16-byte copy does it (bytes beyond `to` are written but
// overwritten later); otherwise two overlapping copies of a fixed size, which
// the compiler does inline instead of calling memmove for a few bytes.
inline char* copyWithin16(const char* from, const char* to, const char* sourceEnd, char* target) {
    const auto length = static_cast<std::size_t>(to - from);
    if (from + 16 <= sourceEnd) {
        std::memcpy(target, from, 16);
    } else if (length >= 8) {
        std::memcpy(target, from, 8);
        std::memcpy(target + length - 8, to - 8, 8);
    } else if (length >= 4) {
        std::memcpy(target, from, 4);
        std::memcpy(target + length - 4, to - 4, 4);
    } else {
        for (std::size_t i = 0; i < length; ++i)
            target[i] = from[i];
    }
    return target + length;
}

#if defined(__SSE2__)
// The separator, padded to a whole block when it is short enough, so that
// writing it is one fixed-size copy instead of a call to memmove.
struct BlockSeparator {
    explicit BlockSeparator(std::string_view text) : text(text) {
        if (text.size() <= sizeof padded)
            std::copy(text.begin(), text.end(), padded);
    }
    char* write(char* target) const {
        if (text.size() > sizeof padded)
            return std::copy(text.begin(), text.end(), target);
        std::memcpy(target, padded, sizeof padded);
        return target + text.size();
    }
    std::string_view text;
    char padded[16] = {};
};

// The set bits of a 16-bit mask, without the library call that a popcount
// becomes on processors the build does not assume to have the instruction.
inline std::size_t bitCount16(unsigned bits) {
    bits = bits - ((bits >> 1) & 0x5555u);
    bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
    bits = (bits + (bits >> 4)) & 0x0F0Fu;
    return (bits + (bits >> 8)) & 0x1Fu;
}

// How often `delimiter` stands in the line, counted a block at a time: each
// byte lane counts its hits (a match is -1, so subtracting adds one) and the
// lanes are summed before any of them could overflow. std::count would widen
// every byte to a 64-bit counter.
std::size_t countDelimiters(std::string_view line, __m128i delimiters, char delimiter) {
    std::size_t count = 0;
    const char* at = line.data();
    const char* const end = at + line.size();
    while (at + 16 <= end) {
        __m128i lanes = _mm_setzero_si128();
        for (int blocks = 0; blocks < 255 && at + 16 <= end; ++blocks, at += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, delimiters));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
    if (at != end && line.size() >= 16) {
        // The last few bytes: the line's last whole block, counted from
        // where the blocks before it ended.
        const char* last = end - 16;
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last));
        const auto found =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, delimiters)));
        return count + bitCount16(found & (0xFFFFu << (at - last)));
    }
    for (; at != end; ++at)
        count += *at == delimiter ? 1 : 0;
    return count;
}

// The 16 bytes at `block` from offset `start` on: copied whole when they hold
// no delimiter, else run by run with each delimiter replaced. `readableEnd`
// bounds what may be read beyond them.
[[gnu::always_inline]] inline char* replaceInBlock(const char* block, unsigned start,
                                                   const char* readableEnd, __m128i delimiters,
                                                   const BlockSeparator& separator, char* target) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, delimiters))) &
                 (0xFFFFu << start);
    if (found == 0 && start == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), bytes);
        return target + 16;
    }
    const char* run = block + start;
    for (; found != 0; found &= found - 1) {
        const char* hit = block + __builtin_ctz(found);
        target = copyWithin16(run, hit, readableEnd, target);
        target = separator.write(target);
        run = hit + 1;
    }
    return copyWithin16(run, block + 16, readableEnd, target);
}
#endif

// The common case, one delimiter character and nothing added: every
// delimiter becomes the separator. The line is scanned 16 bytes at a time
// and copied in blocks; only the delimiters found cost a step of their own.
void replaceBlockByBlock(std::string_view line, char delimiter, std::string_view separator,
                         std::string& out) {
#if defined(__SSE2__)
    const __m128i delimiters = _mm_set1_epi8(delimiter);
    const std::size_t count = countDelimiters(line, delimiters, delimiter);
#else
    const auto count = static_cast<std::size_t>(std::count(line.begin(), line.end(), delimiter));
#endif
    const std::size_t base = out.size();
    const std::size_t size = base + line.size() - count + count * separator.size();
    out.resize(size + 16); // room for whole-block copies that run past the end
    char* target = out.data() + base;
    const char* at = line.data();
    const char* const end = line.data() + line.size();
#if defined(__SSE2__)
    const BlockSeparator blockSeparator(separator);
    for (; at + 16 <= end; at += 16)
        target = replaceInBlock(at, 0, end, delimiters, blockSeparator, target);
    if (at != end && line.size() >= 16) {
        // The last few bytes: the last whole block of the line, from where
        // the blocks before it ended.
        const char* last = end - 16;
        replaceInBlock(last, static_cast<unsigned>(at - last), end, delimiters, blockSeparator,
                       target);
        at = end;
    }
    for (; at != end; ++at) { // a line shorter than one block
        if (*at != delimiter)
            *target++ = *at;
        else
            target = blockSeparator.write(target);
    }
#else
    for (; at != end; ++at) {
        if (*at != delimiter)
            *target++ = *at;
        else
            target = std::copy(separator.begin(), separator.end(), target);
    }
#endif
    out.resize(size);
}

#if defined(FIELDIZER_SSSE3_DISPATCH)
// For each pattern of delimiters among 8 bytes: the shuffle that spreads the
// 8 bytes out, each delimiter becoming the two separator bytes (lanes 8 and
// 9 of the shuffled register), and how many bytes come out.
struct SpreadTable {
    std::array<std::array<unsigned char, 16>, 256> shuffles{};
    std::array<unsigned char, 256> lengths{};
};

constexpr SpreadTable makeSpreadTable() {
    SpreadTable table{};
    for (unsigned mask = 0; mask < 256; ++mask) {
        unsigned length = 0;
        for (unsigned j = 0; j < 8; ++j) {
            if ((mask & (1u << j)) != 0) {
                table.shuffles[mask][length++] = 8;
                table.shuffles[mask][length++] = 9;
            } else {
                table.shuffles[mask][length++] = static_cast<unsigned char>(j);
            }
        }
        for (unsigned k = length; k < 16; ++k)
            table.shuffles[mask][k] = 0x80; // a zero byte, overwritten later
        table.lengths[mask] = static_cast<unsigned char>(length);
    }
    return table;
}

constexpr SpreadTable spreadTable = makeSpreadTable();

// A two-byte separator (CR LF), 8 bytes at a time and without a branch per
// delimiter: one table lookup and one shuffle spread the 8 bytes out.
[[gnu::target("ssse3")]] void replaceByShuffles(std::string_view line, char delimiter,
                                                std::string_view separator, std::string& out) {
    const __m128i delimiters = _mm_set1_epi8(delimiter);
    const std::size_t base = out.size();
    const std::size_t size = base + line.size() + countDelimiters(line, delimiters, delimiter);
    out.resize(size + 16); // room for whole-block stores that run past the end
    char* target = out.data() + base;
    const __m128i separatorLanes =
        _mm_set_epi8(0, 0, 0, 0, 0, 0, separator[1], separator[0], 0, 0, 0, 0, 0, 0, 0, 0);
    const char* at = line.data();
    const char* const end = at + line.size();
    for (; at + 8 <= end; at += 8) {
        const __m128i bytes =
            _mm_or_si128(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at)), separatorLanes);
        const auto found =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, delimiters))) & 0xFFu;
        const __m128i spread =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(spreadTable.shuffles[found].data()));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), _mm_shuffle_epi8(bytes, spread));
        target += spreadTable.lengths[found];
    }
    for (; at != end; ++at) {
        if (*at != delimiter) {
            *target++ = *at;
        } else {
            *target++ = separator[0];
            *target++ = separator[1];
        }
    }
    out.resize(size);
}
#endif

} // namespace

void replaceEachDelimiter(std::string_view line, char delimiter, std::string_view separator,
                          std::string& out) {
#if defined(FIELDIZER_SSSE3_DISPATCH)
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (shuffles && separator.size() == 2) {
        replaceByShuffles(line, delimiter, separator, out);
        return;
    }
#endif
    replaceBlockByBlock(line, delimiter, separator, out);
}

} // namespace fieldizer
