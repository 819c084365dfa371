#pragma once
// The one place from which the toolkit loads the strings, menus, toolbars,
// bitmaps and dialog templates it shows. The default manager reads the
// program's resources; a file-based manager (INI or XML) can be installed
// instead and falls back to the program's resources for what its file lacks.
// The toolkit's cursors come through XTPLoadCursor, from the first module
// that holds them (XTPFindResourceHandle).
//
//     m_hCursor = XTPLoadCursor(XTP_IDC_CUSTOMIZE_MOVE);
#include "framework/Core.h"
#include "framework/Gdi.h"

class CToolBar;

class CXTPResourceManager : public CNoTrackObject
{
public:
    CXTPResourceManager();
    virtual ~CXTPResourceManager();

    virtual BOOL LoadString(CString* pString, UINT nIDResource);
    virtual BOOL LoadMenu(CMenu* pMenu, UINT nIDResource);
    virtual BOOL LoadToolBar(CToolBar* pToolBar, UINT nIDResource);
    virtual BOOL LoadBitmap(CBitmap* pBitmap, UINT nIDResource);
    virtual LPCDLGTEMPLATE LoadDialogTemplate(LPCTSTR pszTemplate);

    // The string nIDPrompt in a message box; the box's answer.
    int ShowMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

    BOOL IsValid() const { return m_bValid; }

    // Installs pManager as the process-wide manager when it is valid (the old
    // one is deleted); an invalid one is deleted at once and FALSE returned.
    static BOOL SetResourceManager(CXTPResourceManager* pManager);

protected:
    BOOL m_bValid;
};

// The process-wide resource manager; the first call makes the default one.
CXTPResourceManager* XTPResourceManager();

// The toolkit's own resource module; NULL (the default) means the program's.
void XTSetResourceHandle(HINSTANCE hResource);
HINSTANCE XTGetResourceHandle();

// The module to load the toolkit's resource lpszName of type lpszType from
// (RT_GROUP_CURSOR for a cursor): the toolkit's own resource module when one
// is set and holds it, else the framework's (AfxFindResourceHandle: the
// current resource handle when it holds it, else the program's module).
// Never NULL: with a NULL module the system would look for a system cursor
// or icon of that id and, finding none, answer NULL without an error.
HINSTANCE XTPFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The toolkit's cursor resource nID from that module (a shared cursor: not
// destroyed); NULL when no module holds it.
HCURSOR XTPLoadCursor(UINT nID);

// While it lives, the framework loads resources from the toolkit's resource
// module (when one is set); the previous handles come back when it goes.
class CXTResourceStateGuard
{
public:
    CXTResourceStateGuard();
    ~CXTResourceStateGuard();

private:
    CXTResourceStateGuard(const CXTResourceStateGuard&);
    void operator=(const CXTResourceStateGuard&);

    BOOL m_bActive;
    HINSTANCE m_hOldResource;
    HINSTANCE m_hOldInstance;
};

class CXTResourceStateGuardPtr
{
public:
    explicit CXTResourceStateGuardPtr(CXTResourceStateGuard* pGuard) : m_pGuard(pGuard) {}
    ~CXTResourceStateGuardPtr() { delete m_pGuard; }

private:
    CXTResourceStateGuardPtr(const CXTResourceStateGuardPtr&);
    void operator=(const CXTResourceStateGuardPtr&);

    CXTResourceStateGuard* m_pGuard;
};
