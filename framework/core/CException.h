#pragma once
// The framework's exceptions. They are thrown as pointers and caught as pointers:
//   try { ... } catch (CFileException* e) { ...; e->Delete(); }
// or with the macros, which delete the exception at the end of the handler unless it is thrown on
// with THROW_LAST():
//   TRY { ... } CATCH(CFileException, e) { ... } AND_CATCH_ALL(e) { ... } END_CATCH_ALL
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    // Frees the exception unless it is a shared static object.
    void Delete();
    // Copies a readable description (at most nMaxError bytes with the terminating zero).
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    BOOL m_bAutoDelete;

protected:
    static BOOL CopyMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
};

// Raised where the user has already been told what went wrong (data exchange of dialogs).
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
    // The cause that matches a Win32 error code.
    static int PASCAL OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };
    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = NULL)
        : m_cause(cause), m_strFileName(lpszArchiveName)
    {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

    int m_cause;
    CString m_strFileName;
};

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
    // The SCODE an exception stands for (E_OUTOFMEMORY for memory, E_UNEXPECTED for the others).
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = NULL);
[[noreturn]] void AfxThrowOleException(SCODE sc);

// Deletes a caught exception when the handler of the macros below ends, unless it is rethrown.
class CExceptionHandlerScope
{
public:
    explicit CExceptionHandlerScope(CException* e) : m_pException(e) {}
    ~CExceptionHandlerScope()
    {
        if (m_pException)
            m_pException->Delete();
    }
    void Rethrow() { m_pException = NULL; }

private:
    CException* m_pException;
};

#define TRY try
#define CATCH(class_name, e)                                                                                 \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        CExceptionHandlerScope afxHandlerScope(e);                                                           \
        (void)e;
#define AND_CATCH(class_name, e)                                                                             \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        CExceptionHandlerScope afxHandlerScope(e);                                                           \
        (void)e;
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                                                                                         \
    do                                                                                                       \
    {                                                                                                        \
        afxHandlerScope.Rethrow();                                                                           \
        throw;                                                                                               \
    } while (0)
