#pragma once
// The optional backdrop picture beside the program: the program's path with
// its ".exe" (any letter case) replaced by ".bmp". False, and the path left
// alone, for a path of fewer than five characters or with another ending.
bool PicturePathForProgram(char* path);
