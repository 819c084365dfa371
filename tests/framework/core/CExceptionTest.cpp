#include "RaisesSupport.h"

#include <gtest/gtest.h>

#include <string>

// Each throw raises its own class, whose message carries the details it was given.
TEST(CExceptionTest, EachThrowRaisesItsClassWithItsMessage)
{
    struct Case
    {
        void (*raise)();
        const char* expected;
    };
    const Case cases[] = {
        {[] { AfxThrowArchiveException(CArchiveException::badClass); },
         "CArchiveException: The data holds an object of an unexpected class."},
        {[] { AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "a.txt"); },
         "CFileException: a.txt: The file could not be found."},
        {&AfxThrowMemoryException, "CMemoryException: Out of memory."},
        {&AfxThrowNotSupportedException, "CNotSupportedException: Unsupported operation was attempted."},
        {&AfxThrowInvalidArgException, "CInvalidArgException: Invalid argument."},
        {&AfxThrowResourceException, "CResourceException: A required resource was unavailable."},
        {&AfxThrowUserException, "CUserException: "},
    };
    for (const Case& c : cases)
    {
        CException* e = Caught(c.raise);
        ASSERT_TRUE(e != NULL) << c.expected;
        char text[200];
        e->GetErrorMessage(text, sizeof text);
        EXPECT_EQ(c.expected, std::string(e->GetRuntimeClass()->m_lpszClassName) + ": " + text);
        e->Delete();
    }
}

TEST(CExceptionTest, FileAndOleExceptionsKeepTheOsErrorOrStatusTheyWereThrownWith)
{
    CFileException* file = Caught<CFileException>([] { AfxThrowFileException(0, ERROR_PATH_NOT_FOUND); });
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, file->m_lOsError);
    file->Delete();
    CException* ole = Caught([] { AfxThrowOleException(E_NOINTERFACE); });
    EXPECT_EQ(E_NOINTERFACE, COleException::Process(ole));
    ole->Delete();
}

// Raising memory exhaustion needs no memory: one object, never freed, is thrown every time.
TEST(CExceptionTest, MemoryExceptionIsSharedAndNeverFreed)
{
    CException* first = Caught(&AfxThrowMemoryException);
    first->Delete();
    EXPECT_EQ(first, Caught(&AfxThrowMemoryException));
    EXPECT_FALSE(first->m_bAutoDelete);
}

TEST(CExceptionTest, CatchMacrosPickTheHandlerOfTheThrownClass)
{
    int handled = 0;
    TRY
    {
        AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    CATCH(CFileException, e)
    {
        handled = 1;
    }
    AND_CATCH(CArchiveException, e)
    {
        handled = e->m_cause == CArchiveException::endOfFile ? 2 : 3;
    }
    END_CATCH
    EXPECT_EQ(2, handled);
}

TEST(CExceptionTest, ThrowLastRethrowsTheCaughtExceptionAlive)
{
    CException* rethrown = Caught([] {
        TRY
        {
            AfxThrowArchiveException(CArchiveException::badSchema);
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    });
    // Still alive: the rethrow kept it.
    EXPECT_EQ(CArchiveException::badSchema, ((CArchiveException*)rethrown)->m_cause);
    rethrown->Delete();
}
