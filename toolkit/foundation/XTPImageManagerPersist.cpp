// The image manager's icons in the settings exchange, in archives and on the
// clipboard; and an icon's own archive form.
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <memory>
#include <vector>
#include <string.h>

namespace {
const LPCTSTR kCheckSum = "CXTPImageManagerIcons";
const long kIconVersion = 8;
const long kDefaultIconWidth = 16;
const UINT kMemFileGrowBytes = 1024;
const UINT kArchiveBufferSize = 4096;
const DWORD kHeaderRecordSize = 52; // the 40-byte header and three colour masks
const LONG kMaxImageSide = 0x1000;

typedef std::unique_ptr<CXTPPropExchange> CSectionPtr;

// Room for the header GetDIBits fills in, colour table included.
struct BitmapInfoWithColors
{
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

DWORD ImageBytes(const BITMAPINFOHEADER& header)
{
    DWORD nStride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
    return nStride * (DWORD)labs(header.biHeight);
}

// A bitmap record: the header count and bytes, then the pixel count and
// bytes, both counts in the archive's count form. Masks keep their 1 bit per pixel, every other bitmap is
// written with 32 bits per pixel, so that the header record holds all it needs.
void WriteBitmapRecord(CArchive& ar, HBITMAP hBitmap)
{
    BitmapInfoWithColors info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    HDC hDC = ::CreateCompatibleDC(NULL);
    BOOL bRead = hBitmap != NULL && ::GetDIBits(hDC, hBitmap, 0, 0, NULL, (BITMAPINFO*)&info, DIB_RGB_COLORS);
    std::vector<BYTE> bits;
    if (bRead)
    {
        if (info.bmiHeader.biBitCount != 1)
            info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biClrUsed = 0;
        info.bmiHeader.biSizeImage = ImageBytes(info.bmiHeader);
        bits.resize(info.bmiHeader.biSizeImage);
        bRead = !bits.empty()
                && ::GetDIBits(hDC, hBitmap, 0, labs(info.bmiHeader.biHeight), &bits[0], (BITMAPINFO*)&info,
                               DIB_RGB_COLORS);
    }
    ::DeleteDC(hDC);
    if (!bRead)
    {
        ar.WriteCount(0);
        return;
    }
    ar.WriteCount(kHeaderRecordSize);
    ar.Write(&info, kHeaderRecordSize);
    ar.WriteCount(bits.size());
    ar.Write(&bits[0], (UINT)bits.size());
}

void ReadExactly(CArchive& ar, void* lpBuf, UINT nCount)
{
    if (ar.Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

// Reads a bitmap record; NULL for an empty one. A header that does not
// describe a sane bitmap, or pixel data of another size, is corrupt data.
HBITMAP ReadBitmapRecord(CArchive& ar)
{
    DWORD_PTR nHeaderSize = ar.ReadCount();
    if (nHeaderSize == 0)
        return NULL;
    if (nHeaderSize != kHeaderRecordSize)
        AfxThrowArchiveException(CArchiveException::genericException);
    BitmapInfoWithColors info;
    memset(&info, 0, sizeof(info));
    ReadExactly(ar, &info, kHeaderRecordSize);
    BITMAPINFOHEADER& header = info.bmiHeader;
    if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biPlanes != 1
        || (header.biBitCount != 1 && header.biBitCount != 32) || header.biCompression != BI_RGB
        || header.biWidth <= 0 || header.biWidth > kMaxImageSide || header.biHeight == 0
        || labs(header.biHeight) > kMaxImageSide)
        AfxThrowArchiveException(CArchiveException::genericException);
    header.biClrUsed = 0;

    DWORD nBits = (DWORD)ar.ReadCount();
    if (nBits != ImageBytes(header))
        AfxThrowArchiveException(CArchiveException::genericException);
    ar.CheckCount(nBits, 1);
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, (BITMAPINFO*)&info, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        AfxThrowMemoryException();
    if (ar.Read(pBits, nBits) != nBits)
    {
        ::DeleteObject(hBitmap);
        AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    return hBitmap;
}

// A monochrome icon keeps both its masks in one bitmap of twice its height:
// the AND mask above, the XOR mask below. It is stored as a colour icon that
// draws alike: the XOR half as colours (white and black) over the AND half
// as its mask. (Stored as it was, it had no colour bitmap and wrote two
// empty records, and so loaded as nothing.)
BOOL SplitMonochromeMasks(HBITMAP hMasks, HBITMAP& hColor, HBITMAP& hMask)
{
    BITMAP bitmap;
    if (!::GetObject(hMasks, sizeof(bitmap), &bitmap) || bitmap.bmHeight < 2)
        return FALSE;
    const int cx = bitmap.bmWidth, cy = bitmap.bmHeight / 2;
    HDC hScreen = ::GetDC(NULL);
    hColor = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(NULL, hScreen);
    hMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
    HDC hSource = ::CreateCompatibleDC(NULL);
    HDC hTarget = ::CreateCompatibleDC(NULL);
    const BOOL bMade = hColor != NULL && hMask != NULL && hSource != NULL && hTarget != NULL;
    if (bMade)
    {
        HGDIOBJ hOldSource = ::SelectObject(hSource, hMasks);
        HGDIOBJ hOldTarget = ::SelectObject(hTarget, hMask);
        ::BitBlt(hTarget, 0, 0, cx, cy, hSource, 0, 0, SRCCOPY);
        // From one bit to colour: set bits take the background (white),
        // clear ones the text colour (black).
        ::SelectObject(hTarget, hColor);
        ::SetBkColor(hTarget, RGB(255, 255, 255));
        ::SetTextColor(hTarget, RGB(0, 0, 0));
        ::BitBlt(hTarget, 0, 0, cx, cy, hSource, 0, cy, SRCCOPY);
        ::SelectObject(hTarget, hOldTarget);
        ::SelectObject(hSource, hOldSource);
    }
    if (hSource != NULL)
        ::DeleteDC(hSource);
    if (hTarget != NULL)
        ::DeleteDC(hTarget);
    if (!bMade)
    {
        for (HBITMAP* phBitmap : {&hColor, &hMask})
        {
            if (*phBitmap != NULL)
                ::DeleteObject(*phBitmap);
            *phBitmap = NULL;
        }
    }
    return bMade;
}

void WriteImage(CArchive& ar, CXTPImageManagerIconHandle& hImage)
{
    ICONINFO info;
    if (hImage.IsAlpha())
    {
        WriteBitmapRecord(ar, hImage.GetBitmap());
        WriteBitmapRecord(ar, NULL);
    }
    else if (hImage.GetIcon() != NULL && ::GetIconInfo(hImage.GetIcon(), &info))
    {
        HBITMAP hColor = info.hbmColor, hMask = info.hbmMask;
        HBITMAP hSplitColor = NULL, hSplitMask = NULL;
        if (hColor == NULL && SplitMonochromeMasks(info.hbmMask, hSplitColor, hSplitMask))
        {
            hColor = hSplitColor;
            hMask = hSplitMask;
        }
        WriteBitmapRecord(ar, hColor);
        WriteBitmapRecord(ar, hColor != NULL ? hMask : NULL);
        for (HBITMAP hBitmap : {info.hbmColor, info.hbmMask, hSplitColor, hSplitMask})
        {
            if (hBitmap != NULL)
                ::DeleteObject(hBitmap);
        }
    }
    else
    {
        WriteBitmapRecord(ar, NULL);
        WriteBitmapRecord(ar, NULL);
    }
}

// An icon from its colour and mask bitmaps, through an image list.
HICON IconFromBitmaps(HBITMAP hColor, HBITMAP hMask)
{
    BITMAP bitmap;
    if (!::GetObject(hColor, sizeof(bitmap), &bitmap))
        return NULL;
    HIMAGELIST hList = ::ImageList_Create(bitmap.bmWidth, bitmap.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (hList == NULL)
        return NULL;
    HICON hIcon = NULL;
    if (::ImageList_Add(hList, hColor, hMask) == 0)
        hIcon = ::ImageList_GetIcon(hList, 0, ILD_NORMAL);
    ::ImageList_Destroy(hList);
    return hIcon;
}

void ReadImage(CArchive& ar, CXTPImageManagerIconHandle& hImage)
{
    hImage.Clear();
    HBITMAP hFirst = ReadBitmapRecord(ar);
    HBITMAP hSecond = NULL;
    try
    {
        hSecond = ReadBitmapRecord(ar);
    }
    catch (CException*)
    {
        if (hFirst != NULL)
            ::DeleteObject(hFirst);
        throw;
    }
    if (hFirst == NULL)
    {
        if (hSecond != NULL)
            ::DeleteObject(hSecond);
        return;
    }
    if (hSecond == NULL)
    {
        hImage = hFirst;
        return;
    }
    hImage = IconFromBitmaps(hFirst, hSecond);
    ::DeleteObject(hFirst);
    ::DeleteObject(hSecond);
}
} // namespace

void CXTPImageManagerIcon::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (long)m_nHeight << kIconVersion;
        WriteImage(ar, m_hIcon);
        WriteImage(ar, m_hDisabled);
        WriteImage(ar, m_hHot);
        WriteImage(ar, m_hChecked);
        return;
    }
    long nHeight = 0;
    long nVersion = 0;
    ar >> nHeight >> nVersion;
    Clear(TRUE);
    m_nHeight = nHeight;
    ReadImage(ar, m_hIcon);
    ReadImage(ar, m_hDisabled);
    ReadImage(ar, m_hHot);
    if (nVersion > 7)
        ReadImage(ar, m_hChecked);
}

void CXTPImageManager::DoPropExchangeIcons(UINT nIDCommand, CXTPPropExchange* pPX)
{
    // Loaded ids must not collide with custom ids given out later.
    if (nIDCommand > m_nCustomID)
        m_nCustomID = nIDCommand;

    CXTPPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator("Icon"));
    if (pPX->IsLoading())
    {
        CString strCheckSum;
        PX_String(pPX, "CheckSum", strCheckSum, kCheckSum);
        if (strCheckSum != kCheckSum)
            AfxThrowArchiveException(CArchiveException::badClass);
        CXTPImageManagerIconSet* pIconSet = FindOrCreateIconSet(nIDCommand);
        pIconSet->RemoveAll();
        POSITION pos = pEnumerator->GetPosition(0, TRUE);
        while (pos != NULL)
        {
            CSectionPtr pSection(pEnumerator->GetNext(pos));
            long nWidth = kDefaultIconWidth;
            PX_Long(pSection.get(), "Width", nWidth);
            CXTPImageManagerIcon* pIcon =
                new CXTPImageManagerIcon(nIDCommand, nWidth, CXTPImageManagerIcon::kHeightUntilSet, pIconSet);
            pIconSet->AddIcon(nWidth, pIcon);
            // In an archive an icon that cannot be read leaves the rest unreadable.
            if (!PX_Serialize(pSection.get(), "Data", pIcon) && !pPX->IsAllowDefaultValues())
                AfxThrowArchiveException(CArchiveException::genericException);
        }
        return;
    }

    CString strCheckSum = kCheckSum;
    PX_String(pPX, "CheckSum", strCheckSum, kCheckSum);
    CXTPImageManagerIconSet* pIconSet = GetIconSet(nIDCommand);
    std::vector<CXTPImageManagerIcon*> icons;
    if (pIconSet != NULL)
    {
        const CXTPImageManagerIconSet::CIconsMap& map = pIconSet->GetIcons();
        for (CXTPImageManagerIconSet::CIconsMap::const_iterator it = map.begin(); it != map.end(); ++it)
        {
            if (!it->second->IsScaled())
                icons.push_back(it->second);
        }
    }
    POSITION pos = pEnumerator->GetPosition((DWORD)icons.size(), TRUE);
    for (size_t i = 0; i < icons.size() && pos != NULL; i++)
    {
        CSectionPtr pSection(pEnumerator->GetNext(pos));
        long nWidth = icons[i]->GetWidth();
        PX_Long(pSection.get(), "Width", nWidth);
        PX_Serialize(pSection.get(), "Data", icons[i]);
    }
}

void CXTPImageManager::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator("IconSet"));
    POSITION pos = pEnumerator->GetPosition((DWORD)m_mapImages.size(), TRUE);
    if (pPX->IsLoading())
    {
        RemoveAll();
        while (pos != NULL)
        {
            CSectionPtr pSection(pEnumerator->GetNext(pos));
            long nID = 0;
            PX_Long(pSection.get(), "Id", nID);
            DoPropExchangeIcons((UINT)nID, pSection.get());
        }
        return;
    }
    std::vector<UINT> ids;
    for (CIconSetMap::iterator it = m_mapImages.begin(); it != m_mapImages.end(); ++it)
        ids.push_back(it->first);
    for (size_t i = 0; i < ids.size() && pos != NULL; i++)
    {
        CSectionPtr pSection(pEnumerator->GetNext(pos));
        long nID = (long)ids[i];
        PX_Long(pSection.get(), "Id", nID);
        DoPropExchangeIcons(ids[i], pSection.get());
    }
}

void CXTPImageManager::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px);
}

void CXTPImageManager::SerializeIcons(UINT nIDCommand, CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchangeIcons(nIDCommand, &px);
}

void CXTPImageManager::CopyToClipboard(UINT nIDCommand)
{
    CMemFile file(kMemFileGrowBytes);
    CArchive ar(&file, CArchive::store, kArchiveBufferSize);
    SerializeIcons(nIDCommand, ar);
    ar.Close();

    UINT nLength = (UINT)file.GetLength();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nLength);
    if (hData == NULL)
        return;
    file.SeekToBegin();
    file.Read(::GlobalLock(hData), nLength);
    ::GlobalUnlock(hData);
    if (::SetClipboardData(XTPImageManagerClipboardFormat, hData) == NULL)
        ::GlobalFree(hData);
}
