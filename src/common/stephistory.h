// A document's undo history as the document itself sees it, on Qt Core alone.
#pragma once

// The document owns its history and asks it only these three things (a load clears it, the saved
// state reads and sets its clean point). The steps themselves and the QUndoStack that holds them
// are QtGui: `UndoStack` (common/undostack.h) implements this on the model side and is made on
// first use, so a document that is only read and written (the command line) has no history at all.
class StepHistory {
public:
    virtual ~StepHistory() = default;
    virtual void clear() = 0;
    virtual bool isClean() const = 0;
    virtual void setClean() = 0;
    // The history matches no saved state any more, even undone back to where it stands now.
    virtual void resetClean() = 0;
};

// The place in a document that owns its history. A copy of the document starts without one, as
// the steps of the original act on the original; assigning empties the target's own history.
class HistorySlot {
public:
    HistorySlot() = default;
    HistorySlot(const HistorySlot&) {}
    HistorySlot& operator=(const HistorySlot&)
    {
        clear();
        return *this;
    }
    ~HistorySlot() { delete mHistory; }

    StepHistory* get() const { return mHistory; }
    // Takes the history the model side made; only while the slot is empty.
    void hold(StepHistory* history)
    {
        if (!mHistory)
            mHistory = history;
    }
    void clear()
    {
        if (mHistory)
            mHistory->clear();
    }
    // Without a history nothing was undoable, so nothing is unsaved in it.
    bool isClean() const { return !mHistory || mHistory->isClean(); }
    void setClean()
    {
        if (mHistory)
            mHistory->setClean();
    }

private:
    StepHistory* mHistory = nullptr;
};
