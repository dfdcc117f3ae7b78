// A chosen emulator program's path, any text: the command made of its quoted form and "%f" splits
// back into exactly the path and "%f".
#include "disk/emulatorcommand.h"

#include <QProcess>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (path.isEmpty())
        return 0; // no program is chosen by an empty name
    const QStringList words = QProcess::splitCommand(QString(QuotedProgram(path) + QStringLiteral(" %f")));
    if (words != QStringList({path, QStringLiteral("%f")}))
        std::abort();
    return 0;
}
