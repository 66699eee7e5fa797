#pragma once
// The holder of one message-catalogue text. A plain aggregate with no
// constructor: the catalogue's holders are static objects filled by the entry
// point, and the product has no runtime to run global constructors.
struct TextString {
    char* text;

    // Stores the text converted from Windows-1252 (replacing any earlier one).
    void Assign(const char* text1252);
    // Frees the text; the holder then reads as "".
    void Release();
    const char* Get() const { return text ? text : ""; }
    operator const char*() const { return Get(); }
};

// One catalogue text and the Windows-1252 literal it is assigned.
struct TextAssignment {
    TextString* holder;
    const char* text1252;
};

// Assigns a table of texts in order; ReleaseTexts frees them in reverse order.
void AssignTexts(const TextAssignment* texts, unsigned long count);
void ReleaseTexts(const TextAssignment* texts, unsigned long count);
