#pragma once
// A streaming writer of indented XML: one element per line, CR LF between
// lines, a tab per open element, no line break after the last line. It writes
// names, values and texts exactly as passed; the caller escapes what it needs.
#include <stdio.h>

#include <string>
#include <vector>

class XmlWriter {
public:
    // Creates (or truncates) the file and writes the declaration. When the
    // file cannot be created it says so on the standard error stream and every
    // later write does nothing.
    explicit XmlWriter(const char* path);
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;
    ~XmlWriter();

    // Attributes for the next tag; they come out in the reverse order.
    void AddAttribute(const char* name, const char* value);
    void OpenElement(const char* name);
    void CloseElement();
    void CloseAll();
    void WriteElement(const char* name, const char* text);
    void WriteComment(const char* text);

    // Closes the file. True only when the file was created and every write
    // and the close succeeded.
    bool Close();

private:
    void Write(const char* text);
    void WriteLineStart();
    void WriteTagStart(const char* name);

    std::string path_;
    std::vector<std::string> pendingAttributes_;
    FILE* file_;
    int depth_ = 0;
    std::vector<std::string> openElements_;
    bool failed_ = false;
};
