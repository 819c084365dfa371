#pragma once
// A fresh, empty folder under the system's temporary folder for one test,
// removed with everything in it when the object goes. Each object gets its
// own folder (process id and a counter in the name), so tests that run
// repeated, shuffled or in parallel executables never see each other's files.
//
//     TempFolder folder;
//     WriteBytes(folder.File("a.xml"), "<a/>");
//     EXPECT_EQ("<a/>", ReadBytes(folder.File("a.xml")));
#include <string>
#include <vector>

class TempFolder
{
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // The folder, without a closing backslash.
    const std::string& Path() const { return path_; }
    // The path of a file (or sub-folder) of that name in the folder.
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // The names in the folder, without "." and "..".
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

// Whole-file helpers: writing replaces the file; reading a missing file gives
// an empty string.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
