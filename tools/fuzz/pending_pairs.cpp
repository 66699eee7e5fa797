// The pending-rename walk: the input is the list's bytes, its first byte
// choosing which sources count as ours.
#include "FuzzInput.h"
#include "payload/RestartQueueText.h"

#include <string.h>

namespace {

struct Choice {
    unsigned char rule;
    const char* begin;
    const char* end;
};

bool Chosen(const char* path, void* context)
{
    Choice* choice = static_cast<Choice*>(context);
    // The walk only hands over sources that end inside the list.
    FUZZ_CHECK(path >= choice->begin && path < choice->end);
    FUZZ_CHECK(memchr(path, 0, static_cast<size_t>(choice->end - path)) != nullptr);
    return OursByRule(choice->rule, path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    unsigned char rule = static_cast<unsigned char>(input.Number(1));
    std::string original = input.Rest();
    unsigned long before = static_cast<unsigned long>(original.size());

    char* list = new char[before ? before : 1];
    memcpy(list, original.data(), before);
    Choice choice = {rule, list, list + before};
    unsigned long after = before;
    bool changed = RemovePendingPairs(list, &after, Chosen, &choice);
    FUZZ_CHECK(after <= before);
    FUZZ_CHECK(changed == (after < before));
    if (rule % 3 == 0)
        FUZZ_CHECK(!changed);
    // Nothing is rewritten: an unchanged list is the same bytes, and a
    // changed one keeps the rest in their order.
    if (!changed)
        FUZZ_CHECK(original.compare(0, before, list, after) == 0);
    size_t matched = 0;
    for (unsigned long i = 0; i < before && matched < after; ++i)
        if (original[i] == list[matched])
            ++matched;
    FUZZ_CHECK(matched == after);
    // A second walk with the same rule finds nothing more to remove.
    choice.end = list + after;
    unsigned long again = after;
    FUZZ_CHECK(!RemovePendingPairs(list, &again, Chosen, &choice) && again == after);
    delete[] list;
    return 0;
}
