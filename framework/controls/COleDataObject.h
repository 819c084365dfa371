#pragma once
// COleDataObject: the receiving side of a data transfer. It wraps an IDataObject handed over by
// a drop or taken from the clipboard and asks it for data by clipboard format.
#include <windows.h>
#include <ole2.h>

class CFile;

// The effect of a drop: DROPEFFECT_NONE, _COPY, _MOVE, _LINK, _SCROLL.
typedef DWORD DROPEFFECT;

class COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();

    // Wraps a data object; with bAutoRelease the wrapper releases it when it lets go.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    // Lets go of the data object without releasing it and returns it.
    LPDATAOBJECT Detach();
    // Lets go of the data object, releasing it when the wrapper owns it.
    void Release();
    // Wraps the data object of the clipboard; FALSE when the clipboard cannot be read.
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The medium as the data object gives it; the caller releases it (ReleaseStgMedium).
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // A global memory block of the caller's own holding the data, or NULL.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // A memory file over a copy of the data (global memory or stream), or NULL; the caller
    // deletes it.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

    // Walks the formats the data object offers.
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

private:
    COleDataObject(const COleDataObject&);
    void operator=(const COleDataObject&);
    void EndEnumFormats();

    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;
    LPENUMFORMATETC m_lpEnumerator;
};

// Fills a FORMATETC for a clipboard format: whole content, no target device, any medium.
void AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtcFill);

// A new movable global block with a copy of another one's bytes, or NULL.
HGLOBAL AfxCopyGlobalMemory(HGLOBAL hSource);
