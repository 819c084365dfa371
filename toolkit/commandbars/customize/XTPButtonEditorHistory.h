#pragma once
// CXTPButtonEditorHistory: the Button Editor's undo and redo lists. Each
// entry is a picture as it stood before or after a step (NULL for an empty
// picture); the history owns them and frees them when they drop out.
//
//     history.PushStep(pPictureBefore);   // a step changed the picture
//     if (history.Undo(pPicture))         // pPicture is now the one before
//         ...
//
// At most kMaxSteps steps can be undone; a new step empties the redo list.
#include <deque>

class CXTPButtonEditorBitmap;

class CXTPButtonEditorHistory
{
public:
    static const int kMaxSteps = 16;

    CXTPButtonEditorHistory() {}
    ~CXTPButtonEditorHistory();

    // Keeps the picture from before a step for undo (the history takes it),
    // dropping the oldest beyond kMaxSteps and emptying the redo list.
    void PushStep(CXTPButtonEditorBitmap* pBefore);
    // The newest picture of the list becomes pCurrent, and the old pCurrent
    // goes to the other list; FALSE (nothing changes) when the list is empty.
    bool Undo(CXTPButtonEditorBitmap*& pCurrent);
    bool Redo(CXTPButtonEditorBitmap*& pCurrent);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    int GetUndoCount() const { return (int)m_undo.size(); }

private:
    CXTPButtonEditorHistory(const CXTPButtonEditorHistory&) = delete;
    CXTPButtonEditorHistory& operator=(const CXTPButtonEditorHistory&) = delete;

    static void Clear(std::deque<CXTPButtonEditorBitmap*>& list);
    static bool Step(std::deque<CXTPButtonEditorBitmap*>& from, std::deque<CXTPButtonEditorBitmap*>& to,
                     CXTPButtonEditorBitmap*& pCurrent);

    std::deque<CXTPButtonEditorBitmap*> m_undo;
    std::deque<CXTPButtonEditorBitmap*> m_redo;
};
