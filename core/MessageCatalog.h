#pragma once
#include "util/TextString.h"

// Every text the user sees, assigned once at start-up through the
// Windows-1252 conversion and unchanged until exit.
void FillMessageCatalog();
void ReleaseMessageCatalog();

// Group B: the product texts.
extern TextString textProductName;
extern TextString textFindMenuItem;
extern TextString textSearchMenuItem;
extern TextString textFindMenuHelp;
