#pragma once
// The list themes: groups read as one list, with captions of word-wrapped
// text over client areas without a border.
//   3 CXTPTaskPanelListPainter: triangles for expand buttons and one rounded
//     frame round all groups;
//   4 CXTPTaskPanelFlatListPainter: full-width captions underlined, grey
//     caption bars, blue links;
//   5 CXTPTaskPanelSchemeListPainter: the same in the Windows XP scheme's
//     colours;
//   6 CXTPTaskPanelShellListPainter: the shell look's colours and round
//     expand buttons (ordinary images also for special groups).
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

class CXTPTaskPanelListPainter : public CXTPTaskPanelPainter
{
public:
    CXTPTaskPanelListPainter();
    void RefreshMetrics() override;
    // The base background; with the group frame a rounded frame round all
    // groups, in the ordinary client colours.
    void FillTaskPanel(CDC* pDC, CXTPTaskPanel* pPanel) override;
    // Word-wrapped caption text in the ordinary text colour; measuring
    // answers the text's height + 5.
    int DrawGroupCaption(CDC* pDC, CXTPTaskPanelGroup* pGroup, BOOL bDraw) override;
    // The ordinary client colour, the client bitmap and the items; no border.
    void FillGroupClientFace(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rc) override;

protected:
    // The caption text's place: the caption less the expand button and,
    // without full-width captions, 13 pixels each side.
    CRect CaptionTextRect(CXTPTaskPanelGroup* pGroup, CRect rcCaption);

    BOOL m_bGroupFrame;
    BOOL m_bFullWidthCaption;
};

class CXTPTaskPanelFlatListPainter : public CXTPTaskPanelListPainter
{
public:
    CXTPTaskPanelFlatListPainter();
    void RefreshMetrics() override;
};

class CXTPTaskPanelSchemeListPainter : public CXTPTaskPanelFlatListPainter
{
public:
    CXTPTaskPanelSchemeListPainter();
    void RefreshMetrics() override;
};

class CXTPTaskPanelShellListPainter : public CXTPTaskPanelListPainter
{
public:
    CXTPTaskPanelShellListPainter();
    void RefreshMetrics() override;
    // The round button (ordinary images) while the shell look applies, else
    // the base's.
    CRect DrawExpandButton(CDC* pDC, CXTPTaskPanelGroup* pGroup, CRect rcCaption) override;

private:
    BOOL m_bRoundButtons;
};
