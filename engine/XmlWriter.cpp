#include "engine/XmlWriter.h"

#include "engine/BackgroundFlush.h"

#include <io.h>
#include <string.h>

namespace {

// The text goes to the file in blocks of about this size.
const size_t kBlockSize = 256 * 1024;
// Texts up to this length are copied byte by byte.
const size_t kShortText = 16;
// A flush to the disk is asked for after about this many bytes.
const size_t kFlushEvery = 4 * 1024 * 1024;

} // namespace

XmlWriter::XmlWriter(const char* path) : path_(path ? path : "")
{
    // Binary mode with explicit CR LF line breaks: a line break inside a value
    // is written as it stands, so values survive a save and a load unchanged.
    file_ = path ? fopen(path, "wb") : nullptr;
    if (!file_)
    {
        fputs("Unable to open output file", stderr);
        failed_ = true;
        return;
    }
    // The block is the only buffer: each of its writes goes straight to the file.
    setvbuf(file_, nullptr, _IONBF, 0);
    flush_.reset(new BackgroundFlush(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)))));
    block_.resize(kBlockSize);
    Write("<?xml version=\"1.0\" encoding=\"ANSI\" ?>");
}

XmlWriter::~XmlWriter()
{
    Close();
}

bool XmlWriter::Close()
{
    if (file_)
    {
        Flush();
        if (!flush_->Stop())
            failed_ = true;
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
    // A text larger than the room left fills the block, which goes to the file.
    while (length > block_.size() - blockUsed_)
    {
        size_t part = block_.size() - blockUsed_;
        memcpy(block_.data() + blockUsed_, text, part);
        blockUsed_ += part;
        text += part;
        length -= part;
        Flush();
    }
    char* to = block_.data() + blockUsed_;
    blockUsed_ += length;
    // Names and separators are a few bytes each, fewer than a call to memcpy costs.
    if (length > kShortText)
    {
        memcpy(to, text, length);
        return;
    }
    while (length-- > 0)
        *to++ = *text++;
}

void XmlWriter::Write(const char* text)
{
    Write(text, strlen(text));
}

void XmlWriter::Flush()
{
    if (blockUsed_ > 0 && fwrite(block_.data(), 1, blockUsed_, file_) != blockUsed_)
        failed_ = true;
    unflushed_ += blockUsed_;
    blockUsed_ = 0;
    if (unflushed_ >= kFlushEvery)
    {
        flush_->Request();
        unflushed_ = 0;
    }
}

// A line break and depth_ tabs, most of them in one piece.
void XmlWriter::WriteLineStart()
{
    static const char lineStart[] = "\r\n\t\t\t\t\t\t\t\t";
    const int tabsAtOnce = static_cast<int>(sizeof lineStart) - 3;
    Write(lineStart, 2 + (depth_ < tabsAtOnce ? depth_ : tabsAtOnce));
    for (int written = tabsAtOnce; written < depth_; ++written)
        Write("\t", 1);
}

void XmlWriter::PushPending(const char* text, size_t length)
{
    if (pendingCount_ == pendingAttributes_.size())
        pendingAttributes_.emplace_back();
    pendingAttributes_[pendingCount_++].assign(text, length);
}

void XmlWriter::AddAttribute(const char* name, const char* value)
{
    AddAttribute(name, value, value ? strlen(value) : 0);
}

void XmlWriter::AddAttribute(const char* name, const char* value, size_t valueLength)
{
    PushPending(value ? value : "", value ? valueLength : 0);
    PushPending(name ? name : "", name ? strlen(name) : 0);
}

// Writes "<name" and the pending attributes, popped from the top, so that the
// last added comes first; an odd entry left over is dropped.
void XmlWriter::WriteTagStart(const char* name)
{
    WriteLineStart();
    Write("<", 1);
    Write(name);
    for (; pendingCount_ >= 2; pendingCount_ -= 2)
    {
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
    Write(">", 1);
    openElements_.push_back(name);
    ++depth_;
}

void XmlWriter::CloseElement()
{
    if (openElements_.empty())
        return;
    --depth_;
    WriteLineStart();
    Write("</", 2);
    Write(openElements_.back());
    Write(">", 1);
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
