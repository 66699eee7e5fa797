#pragma once
// The proxy server text of Internet Explorer's settings: either one
// "host:port" for every protocol, or entries such as
// "ftp=host:21;http=http://Proxy:3128".

// Finds the entry for prefix ("http=") in text, which it lowers in place and
// cuts: *host points at the host inside text, *portText at the port after
// the last ":" or null. False when there is no entry for the prefix or its
// host is empty. A text without "=" and ";" is one entry for every protocol
// when the prefix is "http=".
bool FindProxyEntry(char* text, const char* prefix, char** host, const char** portText);

// The decimal value of the digits at the start of text (after an optional
// "-"); 0 without digits.
int LeadingDecimalValue(const char* text);
