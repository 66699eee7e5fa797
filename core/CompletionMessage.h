#pragma once
// The menu item as the completion message names it: the menu text without
// its first "&" and without its last three characters (the "..." every menu
// text of the product table ends with). A text of fewer than three characters
// left after the "&" becomes empty. False (and "") when the text does not fit.
bool MenuItemForMessage(const char* menuText, char* buffer, unsigned long capacity);
