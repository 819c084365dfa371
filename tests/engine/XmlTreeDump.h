#pragma once
// A compact text form of a node tree for comparing parse results in tables:
// a letter for the node type, the name, the attributes in parentheses (a
// missing value shows as null), the value in quotes, the children in brackets.
#include "engine/XmlNode.h"

#include <string>

inline std::string DumpXmlNode(const XmlNodeRecord* node)
{
    static const char letters[] = "0#ETCMPIDNALO";
    std::string out(1, letters[node->type]);
    if (node->name)
        out += node->name;
    if (node->attributeCount)
    {
        out += "(";
        for (unsigned i = 0; i < node->attributeCount; ++i)
        {
            const XmlAttrRecord* attribute = node->attributes[i];
            out += i ? " " : "";
            out += attribute->name ? attribute->name : "~";
            out += "=";
            out += attribute->value ? "'" + std::string(attribute->value) + "'" : "null";
        }
        out += ")";
    }
    if (node->value)
        out += "'" + std::string(node->value) + "'";
    if (node->childCount)
    {
        out += "[";
        for (unsigned i = 0; i < node->childCount; ++i)
            out += (i ? "," : "") + DumpXmlNode(node->children[i]);
        out += "]";
    }
    return out;
}
