#include "util/Format.h"

#include "util/Memory.h"
#include "util/Text.h"

namespace {

const char* Argument(char digit, const char* const arguments[4])
{
    if (digit < '1' || digit > '4' || !arguments[digit - '1'])
        return "";
    return arguments[digit - '1'];
}

// No message comes near this; a longer result is refused before its count wraps.
const unsigned long kMaxFormattedLength = 0x3FFFFFFF;

// One pass over the format; with output null it only measures. Returns the
// length of the result without its terminator, or more than
// kMaxFormattedLength (measuring only) for a result too long to make.
unsigned long Expand(const char* format, const char* const arguments[4], char* output)
{
    unsigned long length = 0;
    for (const char* p = format; *p; ++p) {
        if (length > kMaxFormattedLength)
            return length;
        if (*p == '%' && IsDigitChar(p[1])) {
            const char* argument = Argument(p[1], arguments);
            unsigned long n = StrLength(argument);
            if (n > kMaxFormattedLength - length)
                return kMaxFormattedLength + 1;
            if (output)
                MemCopy(output + length, argument, n);
            length += n;
            ++p;
            continue;
        }
        if (*p == '%') {
            if (!p[1])
                break;
            ++p;
        }
        if (output)
            output[length] = *p;
        ++length;
    }
    return length;
}

} // namespace

char* FormatText(const char* format, const char* a1, const char* a2, const char* a3, const char* a4)
{
    const char* const arguments[4] = {a1, a2, a3, a4};
    if (!format)
        format = "";
    unsigned long length = Expand(format, arguments, nullptr);
    if (length > kMaxFormattedLength)
        return StrDup("");
    char* result = static_cast<char*>(MemAlloc(length + 1));
    Expand(format, arguments, result);
    result[length] = 0;
    return result;
}

bool FormatTextInto(char* destination, unsigned long capacity, const char* format,
                    const char* a1, const char* a2, const char* a3, const char* a4)
{
    char* text = FormatText(format, a1, a2, a3, a4);
    bool fits = StrCopyBounded(destination, capacity, text);
    MemFree(text);
    return fits;
}
