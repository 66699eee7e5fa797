#pragma once
// Turns a compressed resource of this program (type "CUSTOM") into a file.
// Holds no state: a caller keeps one for the span of its work.
class PayloadExtractor {
public:
    // Copies resource `identifier` into a temporary "QX" file, expands it
    // into destination and deletes the temporary file, whatever the outcome.
    // False when the resource is missing or anything fails; no temporary
    // file is left either way.
    bool ExtractPayload(unsigned short identifier, const char* destination);

    // Expands a COMPRESS file into destination (replacing an existing file).
    // A source that cannot be opened or a destination that cannot be created
    // leaves the destination untouched; a failed or short expansion deletes
    // the partial destination.
    bool ExpandCompressedFile(const char* source, const char* destination);
};
