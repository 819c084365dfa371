#pragma once
// A streaming writer of indented XML: one element per line, CR LF between
// lines, a tab per open element, no line break after the last line. It writes
// names, values and texts exactly as passed; the caller escapes what it needs.
// The text is gathered in a large block of memory and goes to the file a block
// at a time, so that a large file costs few system calls; what is written goes
// on to the disk while the writing goes on (BackgroundFlush).
#include <stdio.h>

#include <memory>
#include <string>
#include <vector>

class BackgroundFlush;

class XmlWriter
{
public:
    // Creates (or truncates) the file and writes the declaration. When the
    // file cannot be created it says so on the standard error stream and every
    // later write does nothing.
    explicit XmlWriter(const char* path);
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;
    ~XmlWriter();

    // Attributes for the next tag (copied); they come out in the reverse order.
    void AddAttribute(const char* name, const char* value);
    // The same for a value whose length the caller knows.
    void AddAttribute(const char* name, const char* value, size_t valueLength);
    void OpenElement(const char* name);
    void CloseElement();
    void CloseAll();
    void WriteElement(const char* name, const char* text);
    void WriteComment(const char* text);

    // Closes the file. True only when the file was created and every write
    // and the close succeeded.
    bool Close();

private:
    void Write(const char* text, size_t length);
    void Write(const char* text);
    void Write(const std::string& text) { Write(text.data(), text.size()); }
    void Flush();
    void WriteLineStart();
    void WriteTagStart(const char* name);
    void PushPending(const char* text, size_t length);

    std::string path_;
    // A stack of pendingCount_ strings; the strings above the count keep their
    // memory for the next tag, so that a long run of tags allocates nothing.
    std::vector<std::string> pendingAttributes_;
    size_t pendingCount_ = 0;
    FILE* file_;
    int depth_ = 0;
    std::vector<std::string> openElements_;
    // Written text that has not gone to the file yet: the first blockUsed_
    // bytes of block_.
    std::vector<char> block_;
    size_t blockUsed_ = 0;
    std::unique_ptr<BackgroundFlush> flush_;
    size_t unflushed_ = 0; // bytes written since the last flush was asked for
    bool failed_ = false;
};
