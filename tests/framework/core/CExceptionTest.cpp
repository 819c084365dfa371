#include "framework/Core.h"

#include <gtest/gtest.h>

TEST(CExceptionTest, EachThrowRaisesItsClassWithItsDetails)
{
    try
    {
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    catch (CException* e)
    {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
        EXPECT_EQ(6, ((CArchiveException*)e)->m_cause);
        e->Delete();
    }
    try
    {
        AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "a.txt");
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ("a.txt", e->m_strFileName);
        char text[100];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        EXPECT_NE(nullptr, strstr(text, "a.txt"));
        e->Delete();
    }
    try
    {
        AfxThrowOleException(E_NOINTERFACE);
    }
    catch (COleException* e)
    {
        EXPECT_EQ(E_NOINTERFACE, e->m_sc);
        EXPECT_EQ(E_NOINTERFACE, COleException::Process(e));
        e->Delete();
    }
    struct Thrower
    {
        void (*fn)();
        CRuntimeClass* pClass;
    };
    const Thrower throwers[] = {
        {&AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException)},
        {&AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException)},
        {&AfxThrowInvalidArgException, RUNTIME_CLASS(CInvalidArgException)},
        {&AfxThrowResourceException, RUNTIME_CLASS(CResourceException)},
        {&AfxThrowUserException, RUNTIME_CLASS(CUserException)},
    };
    for (const Thrower& thrower : throwers)
    {
        CRuntimeClass* caught = NULL;
        try
        {
            thrower.fn();
        }
        catch (CException* e)
        {
            caught = e->GetRuntimeClass();
            e->Delete();
        }
        EXPECT_EQ(thrower.pClass, caught) << thrower.pClass->m_lpszClassName;
    }
}

TEST(CExceptionTest, MemoryExceptionIsSharedAndNeverFreed)
{
    CMemoryException* thrown[2] = {NULL, NULL};
    for (CMemoryException*& caught : thrown)
    {
        try
        {
            AfxThrowMemoryException();
        }
        catch (CMemoryException* e)
        {
            caught = e;
            e->Delete();
        }
    }
    EXPECT_EQ(thrown[0], thrown[1]);
    EXPECT_FALSE(thrown[0]->m_bAutoDelete);
}

TEST(CExceptionTest, MacrosCatchByClassAndRethrow)
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

    int outerCause = -1;
    try
    {
        TRY
        {
            AfxThrowArchiveException(CArchiveException::badSchema);
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    catch (CArchiveException* e)
    {
        outerCause = e->m_cause; // still alive: the rethrow kept it
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::badSchema, outerCause);
}
