// The ids of the undo commands that merge (QUndoCommand::id), for both editors. Commands with the
// same id merge only where their own mergeWith agrees (the same stroke, the same placement, the same
// typed cell); every other command keeps the id -1 and never merges.
#pragma once

enum UndoId : int {
    kUndoLevelPaintStroke = 1,   // level editor: the cells of one press-to-release stroke
    kUndoLevelPlacement = 2,     // level editor: a position button's press and the click that completes it
    kUndoPatternTyping = 3,      // pattern editor: keystrokes into one byte cell
    kUndoPatternLoading = 4,     // pattern editor: loads that follow each other
    kUndoPatternPaintStroke = 5, // pattern editor: the cells of one press-to-release stroke
};
