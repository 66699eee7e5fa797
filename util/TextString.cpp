#include "util/TextString.h"

#include "util/CodePage.h"
#include "util/Memory.h"

void TextString::Assign(const char* text1252)
{
    Release();
    text = ConvertFrom1252(text1252);
}

void TextString::Release()
{
    MemFree(text);
    text = nullptr;
}
