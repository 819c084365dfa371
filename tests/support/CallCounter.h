#pragma once
// Counts the calls made to one function while the counter lives, passing
// each call on unchanged: a function the test program imports from a system
// library (its entry in the program's import table is pointed at a counting
// stub), or one method of a COM class (its slot in the class's method table,
// which every object of the class shares). For tests that tell how much work
// code hands to the system (profile reads, document queries) where that work,
// not the time it takes, shows whether the code walks its data once.
//
//     CallCounter reads("KERNEL32.dll", "GetPrivateProfileStringA");
//     LoadSettings();
//     EXPECT_EQ(0, reads.Count());
//
// The stub only counts and jumps on, so any function or method of any
// arguments may be counted. 32-bit x86 only, as the program is.
class CallCounter
{
public:
    // A function the program imports from the library (names as in the
    // import table; the library's name in any case).
    CallCounter(const char* pszLibrary, const char* pszFunction);
    // Method nSlot (counted from 0, IUnknown's three first) of the object's
    // class.
    CallCounter(void* pComObject, int nSlot);
    CallCounter(const CallCounter&) = delete;
    CallCounter& operator=(const CallCounter&) = delete;
    // Puts the import entry or the slot back.
    ~CallCounter();

    // Whether the function or slot was found and is counted.
    bool IsCounting() const { return m_ppEntry != nullptr; }
    long Count() const;

private:
    void Hook(void** ppEntry);

    void** m_ppEntry = nullptr;
    void* m_pOriginal = nullptr;
    unsigned char* m_pStub = nullptr; // the counter, the original's address, the code
};
