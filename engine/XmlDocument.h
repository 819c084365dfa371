#pragma once
// An XML file read into memory and parsed in place; the document owns the text
// and (when ownsTree is set) the node tree that points into it.
#include "engine/XmlElement.h"

// Passed to Load: keep the document's own parse flags.
const unsigned XmlKeepOptions = 0x80000000u;

class XmlDocument
{
public:
    XmlDocument(unsigned options, bool ownsTree, unsigned grow);
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;
    virtual ~XmlDocument();

    // Reads and parses the file; false when it cannot be read or is empty.
    // Text that parses only in part still loads (see StoppedEarly).
    bool Load(const char* path, unsigned options);
    void Clear();
    XmlElement GetRoot() const { return XmlElement(root); }

    // After a successful Load: true when not all of the file made it into the
    // tree: a NUL byte cut a read, parsing stopped before the end of the text,
    // or an element was still open at the end.
    bool StoppedEarly() const { return stoppedEarly_; }

    XmlNodeRecord* root;
    unsigned grow;
    bool ownsTree;
    char* text;
    char* parseEnd;
    unsigned options;

private:
    bool stoppedEarly_ = false;
};
