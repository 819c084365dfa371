#pragma once
// COleDataSource: the giving side of a data transfer. It holds data by clipboard format and
// offers it through IDataObject to the clipboard (SetClipboard) or to a drag (DoDragDrop).
//
// The object is reference counted through CCmdTarget. SetClipboard hands it to the clipboard: it
// must then have been made with new, and it deletes itself when the clipboard lets it go. For a
// drag the object may live on the stack.
#include "framework/window/CCmdTarget.h"
#include "framework/controls/COleDataObject.h"
#include "framework/core/CRect.h"
#include <vector>

class COleDropSource;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    virtual ~COleDataSource();

    // Offers a global memory block under a format; the source owns the block from now on.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    // Offers a medium under a format; the source owns the medium from now on.
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // Forgets every format.
    void Empty();

    // Puts the source on the clipboard (see above).
    void SetClipboard();
    // Renders the clipboard's data so that it stays after the source is gone.
    static void PASCAL FlushClipboard();
    // The source that owns the clipboard, or NULL when another one does.
    static COleDataSource* PASCAL GetClipboardOwner();

    // Runs a drag of this data and returns the effect the drop had (DROPEFFECT_NONE when it was
    // cancelled). With lpRectStartDrag (screen coordinates) the drag starts only once the mouse
    // leaves the rectangle with the left button held.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);

    // The IDataObject of this source, not add-referenced.
    LPDATAOBJECT GetDataObject();

protected:
    struct CacheEntry
    {
        FORMATETC formatEtc;
        STGMEDIUM medium;
    };

    CacheEntry* FindEntry(const FORMATETC* lpFormatEtc);
    HRESULT GetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    HRESULT QueryGetData(LPFORMATETC lpFormatEtc);
    HRESULT EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum);

    // The COM face of the source; every call lands on the source object.
    struct XDataObject : public IDataObject
    {
        COleDataSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetData)(LPFORMATETC, LPSTGMEDIUM) override;
        STDMETHOD(GetDataHere)(LPFORMATETC, LPSTGMEDIUM) override;
        STDMETHOD(QueryGetData)(LPFORMATETC) override;
        STDMETHOD(GetCanonicalFormatEtc)(LPFORMATETC, LPFORMATETC) override;
        STDMETHOD(SetData)(LPFORMATETC, LPSTGMEDIUM, BOOL) override;
        STDMETHOD(EnumFormatEtc)(DWORD, LPENUMFORMATETC*) override;
        STDMETHOD(DAdvise)(LPFORMATETC, DWORD, LPADVISESINK, LPDWORD) override;
        STDMETHOD(DUnadvise)(DWORD) override;
        STDMETHOD(EnumDAdvise)(LPENUMSTATDATA*) override;
    } m_xDataObject;

    std::vector<CacheEntry> m_entries;
};
