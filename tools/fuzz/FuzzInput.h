#pragma once
// What every target shares: reading numbers and texts off the fuzzer's bytes,
// and an invariant check that stops the run with the failed condition.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                \
        }                                                                           \
    } while (0)

// Whether a target calls a queued path ours, by a rule the input picks:
// none, all, or those whose first byte is odd.
inline bool OursByRule(unsigned char rule, const char* path)
{
    switch (rule % 3) {
    case 0:
        return false;
    case 1:
        return true;
    default:
        return static_cast<unsigned char>(path[0]) & 1;
    }
}

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next count bytes as a little-endian number; missing bytes read as 0.
    uint32_t Number(unsigned count = 4)
    {
        uint32_t value = 0;
        for (unsigned i = 0; i < count && at_ < size_; ++i, ++at_)
            value |= static_cast<uint32_t>(data_[at_]) << (8 * i);
        return value;
    }

    // The bytes up to the next 0 byte (which is consumed), or all that is left.
    std::string Text()
    {
        std::string text;
        while (at_ < size_ && data_[at_])
            text += static_cast<char>(data_[at_++]);
        if (at_ < size_)
            ++at_;
        return text;
    }

    // Everything not yet read, 0 bytes included.
    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return rest;
    }

    bool AtEnd() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
