// Runs a piece of a test in a forked child process, for faults that must not reach the test process:
// a file-size limit, or a user without root's rights.
#pragma once

#include "common/errors.h"
#include "support/filesizelimit.h"

#include <QString>
#include <cerrno>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

// How the action in the child ended, and the message of the error it raised.
struct ChildResult {
    enum End { Returned, FileCreateError, OtherTavrelError, OtherException, Died };
    End end = Died;
    QString message;
};

// Forks; the child runs prepare (which may return false when it cannot set up what was asked),
// then the action, and ends with _exit, so nothing of the test process is torn down twice.
inline ChildResult RunInChild(const std::function<bool()>& prepare, const std::function<void()>& action)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        int code = ChildResult::Died;
        QByteArray message;
        if (prepare()) {
            try {
                action();
                code = ChildResult::Returned;
            } catch (const ::FileCreateError& e) {
                code = ChildResult::FileCreateError;
                message = e.message().toUtf8();
            } catch (const TavrelError& e) {
                code = ChildResult::OtherTavrelError;
                message = e.message().toUtf8();
            } catch (const std::exception& e) {
                code = ChildResult::OtherException;
                message = e.what();
            }
        } else {
            message = "the child could not be prepared";
        }
        qsizetype done = 0;
        while (done < message.size()) {
            const ssize_t n = write(channel[1], message.constData() + done, static_cast<size_t>(message.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        _exit(code);
    }
    close(channel[1]);
    ChildResult result;
    QByteArray message;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(channel[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        message.append(buffer, n);
    }
    close(channel[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) <= ChildResult::Died)
        result.end = static_cast<ChildResult::End>(WEXITSTATUS(status));
    result.message = QString::fromUtf8(message);
    return result;
}

// The action with every file write past limitBytes failing (SIGXFSZ ignored, so the write fails
// with EFBIG instead of ending the process).
inline ChildResult RunWithFileSizeLimit(rlim_t limitBytes, const std::function<void()>& action)
{
    return RunInChild(
        [limitBytes] {
            // Left active until the child ends.
            static FileSizeLimit* limit = new FileSizeLimit(limitBytes);
            return limit->active();
        },
        action);
}

// The action as a user without root's rights (nobody), so that file permissions bite even when the
// tests run as root; as an ordinary user the action runs with the user's own rights. A file-size limit
// may come on top. The recovery folder of in-place saves lies below dataHome when one is given.
inline ChildResult RunUnprivileged(const std::function<void()>& action, rlim_t limitBytes = RLIM_INFINITY,
                                   const QString& dataHome = QString())
{
    return RunInChild(
        [limitBytes, dataHome] {
            if (!dataHome.isEmpty())
                qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
            if (limitBytes != RLIM_INFINITY) {
                static FileSizeLimit* limit = new FileSizeLimit(limitBytes);
                if (!limit->active())
                    return false;
            }
            if (geteuid() != 0)
                return true;
            const passwd* nobody = getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            return setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0 && geteuid() != 0;
        },
        action);
}

inline const char* ChildEndName(ChildResult::End end)
{
    static const char* const names[] = {"returned", "FileCreateError", "other program error", "other exception",
                                        "died"};
    return names[end];
}
