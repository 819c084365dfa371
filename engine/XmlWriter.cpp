#include "engine/XmlWriter.h"

#include <io.h>
#include <string.h>

namespace {

const size_t kStreamBuffer = 64 * 1024;

} // namespace

XmlWriter::XmlWriter(const char* path) : path_(path ? path : "")
{
    // Binary mode with explicit CR LF line breaks: a line break inside a value
    // is written as it stands, so values survive a save and a load unchanged.
    file_ = path ? fopen(path, "wb") : nullptr;
    if (!file_) {
        fputs("Unable to open output file", stderr);
        failed_ = true;
        return;
    }
    setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
    Write("<?xml version=\"1.0\" encoding=\"ANSI\" ?>");
}

XmlWriter::~XmlWriter()
{
    Close();
}

bool XmlWriter::Close()
{
    if (file_) {
        // The bytes reach the disk before the caller may replace a file with this one.
        if (fflush(file_) != 0 || _commit(_fileno(file_)) != 0)
            failed_ = true;
        if (fclose(file_) != 0)
            failed_ = true;
        file_ = nullptr;
    }
    return !failed_;
}

void XmlWriter::Write(const char* text)
{
    if (!file_)
        return;
    size_t length = strlen(text);
    if (fwrite(text, 1, length, file_) != length)
        failed_ = true;
}

void XmlWriter::WriteLineStart()
{
    Write("\r\n");
    for (int i = 0; i < depth_; ++i)
        Write("\t");
}

void XmlWriter::AddAttribute(const char* name, const char* value)
{
    pendingAttributes_.push_back(value ? value : "");
    pendingAttributes_.push_back(name ? name : "");
}

// Writes "<name" and the pending attributes, popped from the top, so that the
// last added comes first; an odd entry left over is dropped.
void XmlWriter::WriteTagStart(const char* name)
{
    WriteLineStart();
    Write("<");
    Write(name);
    while (pendingAttributes_.size() >= 2) {
        Write(" ");
        Write(pendingAttributes_.back().c_str());
        pendingAttributes_.pop_back();
        Write("=\"");
        Write(pendingAttributes_.back().c_str());
        pendingAttributes_.pop_back();
        Write("\"");
    }
    pendingAttributes_.clear();
}

void XmlWriter::OpenElement(const char* name)
{
    WriteTagStart(name);
    Write(">");
    openElements_.push_back(name);
    ++depth_;
}

void XmlWriter::CloseElement()
{
    if (openElements_.empty())
        return;
    --depth_;
    WriteLineStart();
    Write("</");
    Write(openElements_.back().c_str());
    Write(">");
    openElements_.pop_back();
}

void XmlWriter::CloseAll()
{
    while (!openElements_.empty())
        CloseElement();
}

void XmlWriter::WriteElement(const char* name, const char* text)
{
    WriteTagStart(name);
    Write(">");
    Write(text);
    Write("</");
    Write(name);
    Write(">");
}

void XmlWriter::WriteComment(const char* text)
{
    WriteLineStart();
    Write("<!--");
    Write(text);
    Write("-->");
}
