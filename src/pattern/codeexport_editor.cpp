// The assembler exports of the pattern editor: from its registers and store, the player through its edit buffer.
#include "pattern/codeexport.h"

#include "pattern/patterneditor.h"

QStringList FontAssemblerCode(const PatternEditor& editor, int from, int to)
{
    return FontAssemblerCode(editor.registers(), editor.store(), from, to);
}

void PlayerAssemblerCode(PatternEditor& editor, int pattern, const QString& name,
                         const std::function<void(const QString&)>& emitLine)
{
    for (int s = 1; s <= PatternStore::kSets; ++s) {
        editor.setCurrentSet(s);
        editor.setCurrentPattern(pattern);
        editor.Laden();
        EmitPlayerSet(s, name, [&editor](int h, int r) { return editor.buffer().data(h, r); }, emitLine);
    }
}
