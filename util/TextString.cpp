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

void AssignTexts(const TextAssignment* texts, unsigned long count)
{
    for (unsigned long i = 0; i < count; ++i)
        texts[i].holder->Assign(texts[i].text1252);
}

void ReleaseTexts(const TextAssignment* texts, unsigned long count)
{
    for (unsigned long i = count; i > 0; --i)
        texts[i - 1].holder->Release();
}
