#pragma once
// Reading XML text into the node tree of XmlNode.h, in place: the tree's names
// and values point into the text, which the parser cuts with NUL characters.
#include "engine/XmlNode.h"

// Parses the NUL-terminated, writable text and appends what it finds as
// children of node (normally a document node that is its own parent); full
// arrays grow by at least grow slots. Never fails: at the end of the text, or
// at a construct cut off by it, parsing stops and keeps every node made so far.
// The result is the position where parsing stopped. When endNode is given it
// receives the node that was open at that point (node itself when every
// element was closed).
char* XmlParse(char* text, XmlNodeRecord* node, unsigned grow, unsigned flags,
               XmlNodeRecord** endNode = nullptr);

// Reads the file (opened for reading with read sharing, existing files only)
// into a new heap text of *length bytes and a final NUL, in blocks of
// blockSize - 1 bytes (many of them to a system call); of each block only the
// bytes before its first NUL byte are kept, and *length counts the kept
// bytes. When bytesRead is given it receives the number of bytes read from
// the file. True when *length is above 0; the caller frees *text with free.
bool XmlReadFile(const char* path, char** text, unsigned long* length, unsigned long blockSize,
                 unsigned long* bytesRead = nullptr);

// Case-sensitive wildcard match: '*' any run, '?' any one character, "[...]"
// one character of a set (ranges "a-k", a leading '!' negates, a leading ']'
// is a member); every other character matches itself.
bool XmlGlobMatch(const char* pattern, const char* text);
