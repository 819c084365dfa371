#pragma once
// The shape of a cursor: its hot spot, its size and the bits of its mask, read
// either from the running program's own cursor resource (the resource data
// itself, not through LoadCursor) or from a loaded cursor handle (GetIconInfo).
// A test tells by them that a cursor came from the program's resources: not
// NULL, not a system cursor of the same id.
//
//     const CursorShape loaded = CursorShape::Of(hCursor);
//     EXPECT_TRUE(loaded.IsValid());
//     EXPECT_TRUE(loaded.SameFrameAs(CursorShape::OfResource(9970)));
//     EXPECT_NE(CursorShape::Of(::LoadCursor(NULL, IDC_ARROW)).Mask(), loaded.Mask());
#include "framework/Gdi.h"

#include <vector>

class CursorShape
{
public:
    // The cursor's shape; invalid for NULL or a handle GetIconInfo refuses.
    static CursorShape Of(HCURSOR hCursor);
    // The first image of the program's cursor resource nID (RT_GROUP_CURSOR);
    // invalid when the program holds none. It has no mask bits.
    static CursorShape OfResource(UINT nID);

    bool IsValid() const { return m_bValid; }
    CPoint HotSpot() const { return m_ptHotSpot; }
    CSize Size() const { return m_size; }
    // The mask's bits as GetBitmapBits gives them (empty from a resource).
    const std::vector<BYTE>& Mask() const { return m_mask; }
    // Both valid, with the same hot spot and size.
    bool SameFrameAs(const CursorShape& other) const;

private:
    bool m_bValid = false;
    CPoint m_ptHotSpot;
    CSize m_size;
    std::vector<BYTE> m_mask;
};
