#pragma once
// The registry refusing writes of the program as the system does when a
// quota or a policy stops them. While the object lives, the program's calls
// that change the registry (RegSetValueExA; RegCreateKeyExA, RegDeleteKeyA
// and RegDeleteValueA where the key or value is made or deleted, not where
// it already is or is not there) that the test watches are recorded in
// order, and those chosen (one by its place in that order, or every one a
// policy names) fail with ERROR_ACCESS_DENIED and change nothing. A test
// records a run's writes first and then runs it again refusing each in
// turn:
//
//     auto watched = [](const RegistryWrite& write) { return write.key.find("MyApp") != std::string::npos; };
//     std::vector<RegistryWrite> writes;
//     {
//         RegistryRefusal recorder(watched);
//         Save();
//         writes = recorder.Writes();
//     }
//     for (size_t n = 0; n < writes.size(); n++)
//     {
//         RegistryRefusal refusal(watched, (int)n);   // Save() writes the same, the n-th refused
//         ...
//     }
//     RegistryRefusal policy(watched, [](const RegistryWrite& write) { return write.name == "Size"; });
//
// The calls are caught in the test program's import table (ImportTable.h),
// which the program's own code and the framework call through. One object
// at a time; the program's calls may come from any thread.
#include <functional>
#include <string>
#include <vector>

struct RegistryWrite
{
    enum Kind
    {
        setValue,
        createKey,
        deleteKey,
        deleteValue
    };
    Kind kind;
    // The key's path below HKEY_CURRENT_USER ("Software\..."); the full
    // path of the system's registry for a key elsewhere.
    std::string key;
    // The value's name; empty for a key.
    std::string name;

    // "set <key>\<name>", "create <key>", "delete <key>", "delete <key>\<name>".
    std::string Text() const;
};

class RegistryRefusal
{
public:
    using Filter = std::function<bool(const RegistryWrite&)>;

    // Watches the writes the filter takes; refuses the watched write of
    // index nRefused (counted from 0), none when it is -1.
    explicit RegistryRefusal(Filter isWatched, int nRefused = -1);
    // Refuses every watched write that isRefused takes, as a policy does.
    RegistryRefusal(Filter isWatched, Filter isRefused);
    RegistryRefusal(const RegistryRefusal&) = delete;
    RegistryRefusal& operator=(const RegistryRefusal&) = delete;
    // Puts the import entries back.
    ~RegistryRefusal();

    // The watched writes tried so far, in order, the refused one included.
    std::vector<RegistryWrite> Writes() const;
    // The watched writes refused so far.
    int RefusedCount() const;

    // Records the write when watched; true when it is to be refused. (For
    // the catching functions.)
    bool Refuses(const RegistryWrite& write);

private:
    // Takes the watched write of that index.
    using Choice = std::function<bool(int, const RegistryWrite&)>;
    RegistryRefusal(Filter isWatched, Choice isRefused);

    Filter m_isWatched;
    Choice m_isRefused;
    std::vector<RegistryWrite> m_writes;
    int m_nRefusedCount = 0;
    void* m_pLock; // a CRITICAL_SECTION
};
