#include "RaisesSupport.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CFileTest, WrittenBytesAreReadSeekedCutRenamedAndRemoved)
{
    TempFolder folder;
    CString path = folder.File("tw_core_file.bin").c_str();
    CString moved = folder.File("tw_core_file2.bin").c_str();
    {
        CFile file(path, CFile::modeCreate | CFile::modeReadWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(6u, file.Seek(-5, CFile::end));
        char part[6] = {0};
        const std::vector<UINT> reads = {file.Read(part, 5), file.Read(part, 5)};
        EXPECT_EQ(std::vector<UINT>({5, 0}), reads);
        EXPECT_STREQ("world", part);
        file.SetLength(5);
        EXPECT_EQ(5u, file.GetLength());
        EXPECT_STREQ("tw_core_file.bin", file.GetFileName());
    }
    CFile::Rename(path, moved);
    EXPECT_EQ("hello", ReadBytes((LPCTSTR)moved));
    CFile::Remove(moved);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributes(moved)) << "removed";
}

TEST(CFileTest, AMissingFileFailsToOpenWithTheCauseAndRaisesOnRemove)
{
    TempFolder folder;
    CString missing = folder.File("tw_core_missing.bin").c_str();
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    EXPECT_STREQ(missing, error.m_strFileName);
    EXPECT_EQ(CFileException::fileNotFound, RaisedCause<CFileException>([&] { CFile::Remove(missing); }));
}

TEST(CFileTest, MemoryFileFillsAGapWithZerosAndDetaches)
{
    CMemFile file(16);
    for (int i = 0; i < 100; ++i)
        file.Write(&i, sizeof i);
    file.Seek(500, CFile::begin); // past the end: the gap reads back as zeros
    file.Write("abcd", 4);
    EXPECT_EQ(504u, file.GetLength());
    BYTE* data = file.Detach();
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_EQ(99, ((int*)data)[99]);
    EXPECT_EQ(0, ((int*)data)[110]);
    free(data);
}

TEST(CFileTest, MemoryFileRaisesBadSeekBeforeItsStart)
{
    CMemFile file;
    EXPECT_EQ(CFileException::badSeek, RaisedCause<CFileException>([&] { file.Seek(-1, CFile::begin); }));
}

TEST(CFileTest, AttachedBufferReadsAndDoesNotGrowPastItsEnd)
{
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, sizeof buffer); // reading one: see the archive cases
    file.Write("\x09", 1);
    EXPECT_EQ(9, buffer[0]);
    EXPECT_TRUE(Raises<CMemoryException>([&] { file.Write("abcdef", 6); }));
    EXPECT_EQ(buffer, file.Detach());
}

TEST(CFileTest, SharedFileHandsOverAGlobalBlockOfItsLength)
{
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
    file.Write("shared bytes", 12);
    HGLOBAL hMemory = file.Detach();
    EXPECT_EQ(12u, GlobalSize(hMemory));

    CSharedFile reader;
    reader.SetHandle(hMemory, FALSE); // the reader owns and frees the block now
    char text[14] = {0};
    EXPECT_EQ(12u, reader.Read(text, 13));
    EXPECT_STREQ("shared bytes", text);
}

TEST(CFileTest, StdioFileTextLines)
{
    TempFolder folder;
    CString path = folder.File("tw_core_text.txt").c_str();
    std::string longLine(600, 'x');
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("first\nsecond\n");
        file.WriteString(longLine.c_str());
        file.WriteString("\n\nlast");
    }
    EXPECT_EQ("first\r\nsecond\r\n" + longLine + "\r\n\r\nlast", ReadBytes((LPCTSTR)path));
    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    CString line;
    std::string lines;
    while (file.ReadString(line))
        lines += std::string(line) + "|";
    EXPECT_EQ("first|second|" + longLine + "||last|", lines);
    file.Close(); // the binary reader below may not share the file
    CStdioFile binary(path, CFile::modeRead | CFile::typeBinary);
    ASSERT_TRUE(binary.ReadString(line));
    EXPECT_STREQ("first", line);
}

namespace {
class CCountingMemFile : public CMemFile
{
public:
    explicit CCountingMemFile(UINT nGrowBytes) : CMemFile(nGrowBytes) {}
    int m_nReallocations = 0;
    SIZE_T BufferSize() const { return m_nBufferSize; }

protected:
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override
    {
        ++m_nReallocations;
        return CMemFile::Realloc(lpMem, nBytes);
    }
};
} // namespace

TEST(CFileTest, MemoryFileGrowsInWholeStepsAndGeometrically)
{
    CCountingMemFile file(100);
    BYTE block[1000];
    for (int i = 0; i < 1000; ++i)
    {
        memset(block, i, sizeof block);
        file.Write(block, sizeof block);
        ASSERT_EQ(0u, file.BufferSize() % 100);
    }
    EXPECT_LT(file.m_nReallocations, 40); // growing by the step alone would move it 10000 times
    file.Seek(999 * 1000 - 1, CFile::begin);
    EXPECT_EQ(2u, file.Read(block, 2));
    EXPECT_EQ(0xE6E7, block[0] << 8 | block[1]); // the last bytes of the blocks 998 and 999
}
