// The four wrappers that own one OS handle (GDI objects, DCs, menus, image
// lists) share their bookkeeping: each is checked through the same steps, so a
// wrapper wired to the wrong release call or map shows up by name.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"
#include "framework/gdi/CImageList.h"
#include "framework/gdi/CMenu.h"

namespace {

// The steps for a wrapper class T of handle H:
// - the owner destroys its handle (asked only where the system can safely
//   tell of a freed handle);
// - a detached handle outlives the wrapper, which then answers FALSE to release;
// - FromHandle gives the owner, or one temporary per foreign handle, which
//   DeleteTempMap deletes without destroying the handle;
// - the safe handle of a NULL pointer is NULL.
template <class T, class H>
void CheckOwnership(BOOL (*create)(T&), H (T::*safeHandle)() const, BOOL (T::*release)(), bool (*isAlive)(H),
                    bool bAskFreed, void (*destroy)(H))
{
    H owned;
    {
        T object;
        ASSERT_TRUE(create(object));
        owned = (object.*safeHandle)();
        EXPECT_EQ(&object, T::FromHandle(owned));
    }
    EXPECT_FALSE(bAskFreed && isAlive(owned)) << "the owner destroys its handle";

    H kept;
    {
        T object;
        create(object);
        kept = object.Detach();
        EXPECT_TRUE((object.*safeHandle)() == NULL);
        EXPECT_FALSE((object.*release)()) << "nothing left to release";
    }
    T* temporary = T::FromHandle(kept);
    ASSERT_TRUE(temporary != NULL);
    EXPECT_EQ(kept, (temporary->*safeHandle)());
    EXPECT_EQ(temporary, T::FromHandle(kept)) << "one temporary per handle";
    T::DeleteTempMap();
    EXPECT_TRUE(isAlive(kept)) << "temporaries leave the handle alone";
    destroy(kept);
    EXPECT_TRUE(T::FromHandle(NULL) == NULL);

    T* volatile none = NULL;
    EXPECT_TRUE((none->*safeHandle)() == NULL);
}

} // namespace

TEST(HandleOwnership, GdiObjects)
{
    CheckOwnership<CGdiObject, HGDIOBJ>(
        [](CGdiObject& o) { return o.Attach(::CreatePen(PS_SOLID, 1, kRed)); }, &CGdiObject::GetSafeHandle,
        &CGdiObject::DeleteObject, [](HGDIOBJ h) { return ::GetObjectType(h) != 0; }, true,
        [](HGDIOBJ h) { ::DeleteObject(h); });
}

TEST(HandleOwnership, DeviceContexts)
{
    CheckOwnership<CDC, HDC>(
        [](CDC& dc) {
            BOOL bMade = dc.CreateCompatibleDC(NULL);
            EXPECT_EQ(dc.m_hDC, dc.m_hAttribDC) << "one DC serves output and attributes";
            return bMade;
        },
        &CDC::GetSafeHdc, &CDC::DeleteDC, [](HDC h) { return ::GetObjectType(h) != 0; }, true,
        [](HDC h) { ::DeleteDC(h); });

    CDC dc;
    dc.Attach(::CreateCompatibleDC(NULL));
    ::DeleteDC(dc.Detach());
    EXPECT_TRUE(dc.m_hAttribDC == NULL) << "detaching gives up the attribute DC too";
}

TEST(HandleOwnership, Menus)
{
    CheckOwnership<CMenu, HMENU>([](CMenu& menu) { return menu.CreatePopupMenu(); }, &CMenu::GetSafeHmenu,
                                 &CMenu::DestroyMenu, [](HMENU h) { return ::IsMenu(h) != FALSE; }, true,
                                 [](HMENU h) { ::DestroyMenu(h); });
}

// A freed image list cannot be asked about safely: only a kept one is.
TEST(HandleOwnership, ImageLists)
{
    CheckOwnership<CImageList, HIMAGELIST>(
        [](CImageList& list) { return list.Create(16, 16, ILC_COLOR24, 1, 1); }, &CImageList::GetSafeHandle,
        &CImageList::DeleteImageList,
        [](HIMAGELIST h) {
            int cx = 0, cy = 0;
            return ImageList_GetIconSize(h, &cx, &cy) && cx == 16;
        },
        false, [](HIMAGELIST h) { ImageList_Destroy(h); });
}
