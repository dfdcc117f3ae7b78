// Makes writes past a number of bytes fail for the whole process, so a save can be broken half way
// even when the tests run as root (file permissions do not stop root; the size limit does).
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &mOld);
        // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
        mOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = mOld;
        limit.rlim_cur = bytes;
        mActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mOld);
        std::signal(SIGXFSZ, mOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return mActive; }

private:
    rlimit mOld{};
    void (*mOldHandler)(int) = SIG_DFL;
    bool mActive = false;
};
