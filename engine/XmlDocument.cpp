#include "engine/XmlDocument.h"

#include "engine/XmlReader.h"

#include <stdlib.h>

XmlDocument::XmlDocument(unsigned options, bool ownsTree, unsigned grow)
    : root(nullptr), grow(grow), ownsTree(ownsTree), text(nullptr), parseEnd(nullptr), options(options)
{}

XmlDocument::~XmlDocument()
{
    if (ownsTree)
        XmlFreeTree(root);
    free(text);
}

void XmlDocument::Clear()
{
    XmlFreeTree(root);
    free(text);
    root = nullptr;
    text = nullptr;
    parseEnd = nullptr;
    stoppedEarly_ = false;
}

bool XmlDocument::Load(const char* path, unsigned newOptions)
{
    if (!path)
        return false;
    Clear();
    if (newOptions != XmlKeepOptions)
        options = newOptions;
    unsigned long length = 0;
    unsigned long bytesRead = 0;
    if (!XmlReadFile(path, &text, &length, 4096, &bytesRead) || length == 0)
        return false;
    root = XmlNewNode(XmlDocumentNode);
    if (!root)
        return false;
    root->parent = root;
    XmlNodeRecord* openAtEnd = nullptr;
    parseEnd = XmlParse(text, root, grow, options, &openAtEnd);
    stoppedEarly_ = bytesRead != length || parseEnd != text + length || openAtEnd != root;
    return true;
}
