#include "util/CommandLine.h"

#include "util/Text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

const char* SkipProgramName(const char* commandLine)
{
    const char* position = commandLine;
    if (*position == '"') {
        ++position;
        while (*position && *position != '"')
            ++position;
        if (*position == '"')
            ++position;
    } else {
        while (*position && !IsBlank(*position))
            ++position;
    }
    while (IsBlank(*position))
        ++position;
    return position;
}

bool TakeWholeArgument(const char* text, char* buffer, unsigned long capacity)
{
    if (capacity == 0)
        return false;
    buffer[0] = 0;
    const char* begin = text;
    unsigned long length = StrLength(text);
    if (*text == '"') {
        const char* closing = StrFindChar(text + 1, '"');
        // The closing mark must end the text: nothing may follow it.
        if (!closing || closing[1] != 0)
            return false;
        begin = text + 1;
        length = static_cast<unsigned long>(closing - begin);
    } else if (StrFindChar(text, '"')) {
        return false;
    }
    if (length == 0 || length >= capacity)
        return false;
    for (unsigned long i = 0; i < length; ++i)
        buffer[i] = begin[i];
    buffer[length] = 0;
    return true;
}

const char* AfterSwitch(const char* arguments, const char* name)
{
    if (arguments[0] != '/')
        return nullptr;
    unsigned long length = StrLength(name);
    if (StrLength(arguments + 1) <= length || StrCompareNoCaseN(arguments + 1, name, length) != 0
        || arguments[1 + length] != ':')
        return nullptr;
    return arguments + 2 + length;
}
