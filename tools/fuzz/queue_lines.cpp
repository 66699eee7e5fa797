// The wininit.ini line rules: the input is the file's text, its first byte
// choosing which deletion paths count as ours.
#include "FuzzInput.h"
#include "payload/RestartQueueText.h"

#include <string.h>

namespace {

struct Choice {
    unsigned char rule;
    unsigned calls;
};

bool Chosen(const char* path, void* context)
{
    Choice* choice = static_cast<Choice*>(context);
    ++choice->calls;
    FUZZ_CHECK(strlen(path) < kQueueLineCapacity);
    return OursByRule(choice->rule, path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    Choice choice = {static_cast<unsigned char>(input.Number(1)), 0};
    std::string original = input.Rest();
    unsigned long length = static_cast<unsigned long>(original.size());

    // Exactly the text's bytes, with no terminator: the file as read.
    char* text = new char[length ? length : 1];
    memcpy(text, original.data(), length);
    RewriteQueueKeys(text, length);
    // Only "QX" and a hexadecimal digit become "NUL"; every other byte stays.
    for (unsigned long i = 0; i < length; ++i) {
        if (text[i] == original[i])
            continue;
        unsigned long key = i;
        while (key > 0 && i - key < 2 && original.compare(key, 2, "QX") != 0)
            --key;
        FUZZ_CHECK(original.compare(key, 2, "QX") == 0 && memcmp(text + key, "NUL", 3) == 0);
    }
    delete[] text;

    std::string line = original + '\0';
    if (const char* path = DeletionLinePath(line.c_str())) {
        FUZZ_CHECK(path > line.c_str() && path < line.c_str() + line.size());
        FUZZ_CHECK(strchr(line.c_str(), '=') < path);
    }

    text = new char[length ? length : 1];
    memcpy(text, original.data(), length);
    bool changed = BlankDeletionLines(text, length, Chosen, &choice);
    bool differs = false;
    for (unsigned long i = 0; i < length; ++i) {
        if (text[i] != original[i]) {
            FUZZ_CHECK(text[i] == ' ');
            differs = true;
        }
    }
    FUZZ_CHECK(changed == differs);
    if (choice.rule % 3 == 0)
        FUZZ_CHECK(!changed);
    // What was blanked is not found again. A blanked line joins the next, so
    // only a text shorter than one piece keeps its pieces' bounds.
    if (choice.rule % 3 == 1 && length < kQueueLineCapacity - 1)
        FUZZ_CHECK(!BlankDeletionLines(text, length, Chosen, &choice));
    delete[] text;
    return 0;
}
