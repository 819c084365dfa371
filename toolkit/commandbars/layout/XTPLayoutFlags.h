#pragma once
// The flag words the bars' layout arithmetic reads: a control's layout and
// behaviour flags and the mode bits of a layout pass. They live apart from the
// rest of the command bars' definitions (XTPCommandBarsDefines.h includes this
// file) so that the layout modules need no window code.

// Layout and behaviour flags of a control.
enum XTPControlFlags
{
    xtpFlagRightAlign = 1,       // stands at the far end of its row
    xtpFlagSkipFocus = 2,        // skipped by keyboard navigation when asked
    xtpFlagManualUpdate = 8,     // left out of the bar's command-update pass
    xtpFlagControlStretched = 32 // shares the free space of its row
};

// Layout mode bits of the bars' layout operations; the low seven are the
// framework's dynamic-layout bits.
enum XTPLayoutMode
{
    xtpLayoutStretch = 0x01,
    xtpLayoutHorz = 0x02,
    xtpLayoutMRUWidth = 0x04,
    xtpLayoutHorzDock = 0x08,
    xtpLayoutVertDock = 0x10,
    xtpLayoutLengthIsHeight = 0x20,
    xtpLayoutCommit = 0x40,
    xtpLayoutHideWrap = 0x80,
    xtpLayoutPopup = 0x100
};
