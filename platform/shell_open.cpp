#include "shell_open.h"

namespace platform {

namespace {
std::function<void(const QString&)>& replacementOpener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}
} // namespace

void openInShell(const QString& path)
{
    if (replacementOpener())
        replacementOpener()(path);
    else
        openWithDesktop(path);
}

void setShellOpener(std::function<void(const QString&)> opener)
{
    replacementOpener() = std::move(opener);
}

} // namespace platform
