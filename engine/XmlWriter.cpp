#include "engine/XmlWriter.h"

#include <io.h>
#include <string.h>

namespace {

// The text goes to the file in blocks of about this size.
const size_t kBlockSize = 256 * 1024;

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
    // The block is the only buffer: each of its writes goes straight to the file.
    setvbuf(file_, nullptr, _IONBF, 0);
    block_.reserve(kBlockSize + kBlockSize / 4);
    Write("<?xml version=\"1.0\" encoding=\"ANSI\" ?>");
}

XmlWriter::~XmlWriter()
{
    Close();
}

bool XmlWriter::Close()
{
    if (file_) {
        Flush();
        // The bytes reach the disk before the caller may replace a file with this one.
        if (fflush(file_) != 0 || _commit(_fileno(file_)) != 0)
            failed_ = true;
        if (fclose(file_) != 0)
            failed_ = true;
        file_ = nullptr;
    }
    return !failed_;
}

void XmlWriter::Write(const char* text, size_t length)
{
    if (!file_)
        return;
    block_.append(text, length);
    if (block_.size() >= kBlockSize)
        Flush();
}

void XmlWriter::Write(const char* text)
{
    Write(text, strlen(text));
}

void XmlWriter::Flush()
{
    if (!block_.empty() && fwrite(block_.data(), 1, block_.size(), file_) != block_.size())
        failed_ = true;
    block_.clear();
}

void XmlWriter::WriteLineStart()
{
    Write("\r\n", 2);
    if (file_ && depth_ > 0)
        block_.append(depth_, '\t');
}

void XmlWriter::PushPending(const char* text)
{
    if (pendingCount_ == pendingAttributes_.size())
        pendingAttributes_.emplace_back();
    pendingAttributes_[pendingCount_++].assign(text ? text : "");
}

void XmlWriter::AddAttribute(const char* name, const char* value)
{
    PushPending(value);
    PushPending(name);
}

// Writes "<name" and the pending attributes, popped from the top, so that the
// last added comes first; an odd entry left over is dropped.
void XmlWriter::WriteTagStart(const char* name)
{
    WriteLineStart();
    Write("<", 1);
    Write(name);
    for (; pendingCount_ >= 2; pendingCount_ -= 2) {
        Write(" ", 1);
        Write(pendingAttributes_[pendingCount_ - 1]);
        Write("=\"", 2);
        Write(pendingAttributes_[pendingCount_ - 2]);
        Write("\"", 1);
    }
    pendingCount_ = 0;
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
