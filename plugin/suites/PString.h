// Length-prefixed text, as names, titles and numbers are handed to the host:
// one count byte, then at most 255 characters. Both conversions work in place.
#ifndef FOCARA_HOST_PSTRING_H
#define FOCARA_HOST_PSTRING_H

// Zero-terminated to length-prefixed. A text of 256 characters or more is
// left as it is and false is returned.
bool CStringToPString(char* text);
// Length-prefixed to zero-terminated; the buffer needs room for count + 1 bytes.
void PStringToCString(char* text);

#endif
